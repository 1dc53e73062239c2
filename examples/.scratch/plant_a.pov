#include "colors.inc"
light_source { <580.799988, 580.799988, 580.799988> color White}

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
<0.433659,1.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,1.901077,-0.000000>,1.500000
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
<-0.433659,2.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,2.901077,-0.000000>,1.500000
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
<0.433659,3.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,3.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,3.901077,-0.000000>,1.500000
<1.215180,4.524957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,4.524957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,3.901077,-0.000000>,1.500000
<0.867318,4.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,4.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,4.802154,-0.000000>,1.500000
<0.867318,5.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,5.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,4.802154,-0.000000>,1.500000
<1.300977,5.703231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,5.703231,-0.000000>,1.500000
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
<0.433659,4.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,4.901077,-0.000000>,1.500000
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
<-0.433659,5.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,5.901077,-0.000000>,1.500000
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
<-0.433659,6.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,6.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,6.901077,-0.000000>,1.500000
<-0.433659,7.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,7.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,6.901077,-0.000000>,1.500000
<-0.867318,7.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,7.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,7.802154,-0.000000>,1.500000
<-1.648839,8.426034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,8.426034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,7.802154,-0.000000>,1.500000
<-1.300977,8.703231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,8.703231,-0.000000>,1.500000
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
<0.433659,7.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,7.901077,-0.000000>,1.500000
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
<-0.433659,8.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,8.901077,-0.000000>,1.500000
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
<0.433659,9.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,9.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,9.901077,-0.000000>,1.500000
<1.215180,10.524957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,10.524957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,9.901077,-0.000000>,1.500000
<0.867318,10.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,10.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,10.802154,-0.000000>,1.500000
<0.867318,11.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,11.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,10.802154,-0.000000>,1.500000
<1.300977,11.703231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,11.703231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,11.703231,-0.000000>,1.500000
<2.082498,12.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,12.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,12.327110,-0.000000>,1.500000
<3.057259,12.550361,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,12.550361,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,12.327110,-0.000000>,1.500000
<2.864018,12.950990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,12.950990,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,12.950990,-0.000000>,1.500000
<3.297677,13.852067,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,13.852067,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,12.950990,-0.000000>,1.500000
<3.645539,13.574870,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,13.574870,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,11.703231,-0.000000>,1.500000
<1.734636,12.604308,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,12.604308,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,12.604308,-0.000000>,1.500000
<2.516157,13.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,13.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,12.604308,-0.000000>,1.500000
<2.168295,13.505385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,13.505385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,13.505385,-0.000000>,1.500000
<2.168295,14.505385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,14.505385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,13.505385,-0.000000>,1.500000
<2.601955,14.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,14.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,14.406462,-0.000000>,1.500000
<2.601955,15.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,15.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,15.406462,-0.000000>,1.500000
<3.035614,16.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,16.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,15.406462,-0.000000>,1.500000
<2.601955,16.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,16.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,16.406462,-0.000000>,1.500000
<2.168295,17.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,17.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,16.406462,-0.000000>,1.500000
<2.601955,17.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,17.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,14.406462,-0.000000>,1.500000
<3.035614,15.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,15.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,15.307539,-0.000000>,1.500000
<3.817134,15.931418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,15.931418,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,15.307539,-0.000000>,1.500000
<3.469273,16.208616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,16.208616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,16.208616,-0.000000>,1.500000
<3.469273,17.208616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,17.208616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,16.208616,-0.000000>,1.500000
<3.902932,17.109694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,17.109694,-0.000000>,1.500000
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
<0.433659,10.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,10.901077,-0.000000>,1.500000
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
<-0.433659,11.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,11.901077,-0.000000>,1.500000
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
<0.433659,12.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,12.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,12.901077,-0.000000>,1.500000
<1.215180,13.524957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,13.524957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,12.901077,-0.000000>,1.500000
<0.867318,13.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,13.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,13.802154,-0.000000>,1.500000
<0.867318,14.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,14.802154,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,13.802154,-0.000000>,1.500000
<1.300977,14.703231,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,14.703231,-0.000000>,1.500000
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
<0.433659,13.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,13.901077,-0.000000>,1.500000
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
<-0.433659,14.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,14.901077,-0.000000>,1.500000
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
<-0.433659,15.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,15.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,15.901077,-0.000000>,1.500000
<-0.433659,16.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,16.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,15.901077,-0.000000>,1.500000
<-0.867318,16.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,16.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,16.802155,-0.000000>,1.500000
<-1.648839,17.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,17.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,16.802155,-0.000000>,1.500000
<-1.300977,17.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,17.703232,-0.000000>,1.500000
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
<0.433659,16.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,16.901077,-0.000000>,1.500000
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
<-0.433659,17.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,17.901077,-0.000000>,1.500000
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
<-0.433659,18.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,18.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,18.901077,-0.000000>,1.500000
<-0.433659,19.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,19.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,18.901077,-0.000000>,1.500000
<-0.867318,19.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,19.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,19.802155,-0.000000>,1.500000
<-1.648839,20.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,20.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,19.802155,-0.000000>,1.500000
<-1.300977,20.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,20.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,20.703232,-0.000000>,1.500000
<-1.300977,21.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,21.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,21.703232,-0.000000>,1.500000
<-0.867318,22.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,22.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,21.703232,-0.000000>,1.500000
<-1.300977,22.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,22.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,22.703232,-0.000000>,1.500000
<-1.734636,23.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,23.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,22.703232,-0.000000>,1.500000
<-1.300977,23.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,23.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,20.703232,-0.000000>,1.500000
<-1.734636,21.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,21.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,21.604307,-0.000000>,1.500000
<-1.734636,22.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,22.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,21.604307,-0.000000>,1.500000
<-2.168295,22.505384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,22.505384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,22.505384,-0.000000>,1.500000
<-2.949816,23.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,23.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,22.505384,-0.000000>,1.500000
<-2.601955,23.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,23.406462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,23.406462,-0.000000>,1.500000
<-3.383475,24.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,24.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,24.030342,-0.000000>,1.500000
<-3.817134,24.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,24.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,24.030342,-0.000000>,1.500000
<-4.164996,24.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,24.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,24.654221,-0.000000>,1.500000
<-5.139757,24.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,24.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,24.654221,-0.000000>,1.500000
<-4.946516,25.278101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,25.278101,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,23.406462,-0.000000>,1.500000
<-3.035614,24.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,24.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,24.307539,-0.000000>,1.500000
<-3.035614,25.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,25.307539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,24.307539,-0.000000>,1.500000
<-3.469273,25.208616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,25.208616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,25.208616,-0.000000>,1.500000
<-4.250793,25.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,25.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,25.208616,-0.000000>,1.500000
<-3.902932,26.109694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,26.109694,-0.000000>,1.500000
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
<0.433659,19.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,19.901077,-0.000000>,1.500000
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
<-0.433659,20.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,20.901077,-0.000000>,1.500000
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
<0.433659,21.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,21.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,21.901077,-0.000000>,1.500000
<1.215180,22.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,22.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,21.901077,-0.000000>,1.500000
<0.867318,22.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,22.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,22.802155,-0.000000>,1.500000
<0.867318,23.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,23.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,22.802155,-0.000000>,1.500000
<1.300977,23.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,23.703232,-0.000000>,1.500000
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
<0.433659,22.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,22.901077,-0.000000>,1.500000
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
<-0.433659,23.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,23.901077,-0.000000>,1.500000
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
<-0.433659,24.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,24.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,24.901077,-0.000000>,1.500000
<-0.433659,25.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,25.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,24.901077,-0.000000>,1.500000
<-0.867318,25.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,25.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,25.802155,-0.000000>,1.500000
<-1.648839,26.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,26.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,25.802155,-0.000000>,1.500000
<-1.300977,26.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,26.703232,-0.000000>,1.500000
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
<0.433659,25.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,25.901077,-0.000000>,1.500000
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
<-0.433659,26.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,26.901077,-0.000000>,1.500000
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
<0.433659,27.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,27.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,27.901077,-0.000000>,1.500000
<1.215180,28.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,28.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,27.901077,-0.000000>,1.500000
<0.867318,28.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,28.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,28.802155,-0.000000>,1.500000
<0.867318,29.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,29.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,28.802155,-0.000000>,1.500000
<1.300977,29.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,29.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,29.703232,-0.000000>,1.500000
<2.082498,30.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,30.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,30.327110,-0.000000>,1.500000
<3.057259,30.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,30.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,30.327110,-0.000000>,1.500000
<2.864018,30.950991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,30.950991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,30.950991,-0.000000>,1.500000
<3.297677,31.852068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,31.852068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,30.950991,-0.000000>,1.500000
<3.645539,31.574869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,31.574869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,29.703232,-0.000000>,1.500000
<1.734636,30.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,30.604307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,30.604307,-0.000000>,1.500000
<2.516157,31.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,31.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,30.604307,-0.000000>,1.500000
<2.168295,31.505384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,31.505384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,31.505384,-0.000000>,1.500000
<2.168295,32.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,32.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,31.505384,-0.000000>,1.500000
<2.601955,32.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,32.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,32.406464,-0.000000>,1.500000
<2.601955,33.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,33.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,33.406464,-0.000000>,1.500000
<3.035614,34.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,34.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,33.406464,-0.000000>,1.500000
<2.601955,34.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,34.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,34.406464,-0.000000>,1.500000
<2.168295,35.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,35.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,34.406464,-0.000000>,1.500000
<2.601955,35.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,35.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,32.406464,-0.000000>,1.500000
<3.035614,33.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,33.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,33.307541,-0.000000>,1.500000
<3.817134,33.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,33.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,33.307541,-0.000000>,1.500000
<3.469273,34.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,34.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,34.208614,-0.000000>,1.500000
<3.469273,35.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,35.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,34.208614,-0.000000>,1.500000
<3.902932,35.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,35.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,35.109692,-0.000000>,1.500000
<4.684453,35.733574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.684453,35.733574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,35.733574,-0.000000>,1.500000
<5.659214,35.956821,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.659214,35.956821,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,35.733574,-0.000000>,1.500000
<5.465973,36.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.465973,36.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,36.357452,-0.000000>,1.500000
<5.899632,37.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899632,37.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,36.357452,-0.000000>,1.500000
<6.247493,36.981331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.247493,36.981331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,36.981331,-0.000000>,1.500000
<7.222255,37.204582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.222255,37.204582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,37.204582,-0.000000>,1.500000
<8.197404,36.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197404,36.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,37.204582,-0.000000>,1.500000
<8.197016,37.427834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197016,37.427834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,37.427834,-0.000000>,1.500000
<8.978537,38.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.978537,38.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,37.427834,-0.000000>,1.500000
<9.171777,37.651081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.171777,37.651081,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,36.981331,-0.000000>,1.500000
<7.029014,37.605213,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.029014,37.605213,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,37.605213,-0.000000>,1.500000
<8.003775,37.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.003775,37.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,37.605213,-0.000000>,1.500000
<7.810534,38.229092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.810534,38.229092,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,38.229092,-0.000000>,1.500000
<8.244193,39.130169,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244193,39.130169,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,38.229092,-0.000000>,1.500000
<8.592054,38.852970,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.592054,38.852970,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,38.852970,-0.000000>,1.500000
<9.025714,39.754047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.025714,39.754047,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,39.754047,-0.000000>,1.500000
<9.807235,40.377926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.807235,40.377926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,39.754047,-0.000000>,1.500000
<9.459373,40.655125,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,40.655125,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,40.655125,-0.000000>,1.500000
<9.459373,41.655125,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,41.655125,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,40.655125,-0.000000>,1.500000
<9.893032,41.556202,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.893032,41.556202,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,38.852970,-0.000000>,1.500000
<9.373575,39.476849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.373575,39.476849,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,39.476849,-0.000000>,1.500000
<10.348336,39.700100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.348336,39.700100,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,39.476849,-0.000000>,1.500000
<10.155096,40.100731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.155096,40.100731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,40.100731,-0.000000>,1.500000
<10.588755,41.001808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.588755,41.001808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,40.100731,-0.000000>,1.500000
<10.936616,40.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.936616,40.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,35.109692,-0.000000>,1.500000
<4.336591,36.010769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,36.010769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,36.010769,-0.000000>,1.500000
<5.118112,36.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.118112,36.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,36.010769,-0.000000>,1.500000
<4.770250,36.911846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,36.911846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,36.911846,-0.000000>,1.500000
<4.770250,37.911846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,37.911846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,36.911846,-0.000000>,1.500000
<5.203909,37.812923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,37.812923,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,37.812923,-0.000000>,1.500000
<5.985430,38.436802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.985430,38.436802,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,38.436802,-0.000000>,1.500000
<6.960191,38.660053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.960191,38.660053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,38.436802,-0.000000>,1.500000
<6.766950,39.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.766950,39.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,39.060684,-0.000000>,1.500000
<7.200609,39.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.200609,39.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,39.060684,-0.000000>,1.500000
<7.548470,39.684563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.548470,39.684563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,37.812923,-0.000000>,1.500000
<5.637568,38.714001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,38.714001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,38.714001,-0.000000>,1.500000
<6.419089,39.337879,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.419089,39.337879,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,38.714001,-0.000000>,1.500000
<6.071228,39.615078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,39.615078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,39.615078,-0.000000>,1.500000
<6.071228,40.615078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,40.615078,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,39.615078,-0.000000>,1.500000
<6.504887,40.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,40.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,40.516155,-0.000000>,1.500000
<6.504887,41.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,41.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,41.516155,-0.000000>,1.500000
<6.938546,42.417233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,42.417233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,41.516155,-0.000000>,1.500000
<6.504887,42.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,42.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,42.516155,-0.000000>,1.500000
<6.071228,43.417233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,43.417233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,42.516155,-0.000000>,1.500000
<6.504887,43.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,43.516155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,40.516155,-0.000000>,1.500000
<6.938546,41.417233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,41.417233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,41.417233,-0.000000>,1.500000
<7.720066,42.041111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.720066,42.041111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,41.417233,-0.000000>,1.500000
<7.372205,42.318310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,42.318310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,42.318310,-0.000000>,1.500000
<7.372205,43.318310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,43.318310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,42.318310,-0.000000>,1.500000
<7.805864,43.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,43.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,43.219387,-0.000000>,1.500000
<7.805864,44.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,44.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,44.219387,-0.000000>,1.500000
<8.239523,45.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,45.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,44.219387,-0.000000>,1.500000
<7.805864,45.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,45.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,45.219387,-0.000000>,1.500000
<7.372205,46.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,46.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,45.219387,-0.000000>,1.500000
<7.805864,46.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,46.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,46.219387,-0.000000>,1.500000
<8.239523,47.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,47.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,47.120464,-0.000000>,1.500000
<9.021044,47.744343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,47.744343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,47.120464,-0.000000>,1.500000
<8.673182,48.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,48.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,48.021542,-0.000000>,1.500000
<8.673182,49.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,49.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,48.021542,-0.000000>,1.500000
<9.106841,48.922619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,48.922619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,46.219387,-0.000000>,1.500000
<7.805864,47.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,47.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,47.219387,-0.000000>,1.500000
<8.239523,48.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,48.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,47.219387,-0.000000>,1.500000
<7.805864,48.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,48.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,48.219387,-0.000000>,1.500000
<7.372205,49.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,49.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,48.219387,-0.000000>,1.500000
<7.805864,49.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,49.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,49.219387,-0.000000>,1.500000
<7.372205,50.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,50.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,50.120464,-0.000000>,1.500000
<7.372205,51.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,51.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,50.120464,-0.000000>,1.500000
<6.938546,51.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,51.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,51.021542,-0.000000>,1.500000
<6.157025,51.645420,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.157025,51.645420,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,51.021542,-0.000000>,1.500000
<6.504887,51.922619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,51.922619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,49.219387,-0.000000>,1.500000
<7.805864,50.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,50.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,50.219387,-0.000000>,1.500000
<8.239523,51.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,51.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,50.219387,-0.000000>,1.500000
<7.805864,51.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,51.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,51.219387,-0.000000>,1.500000
<7.372205,52.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,52.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,51.219387,-0.000000>,1.500000
<7.805864,52.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,52.219387,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,43.219387,-0.000000>,1.500000
<8.239523,44.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,44.120464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,44.120464,-0.000000>,1.500000
<9.021044,44.744343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,44.744343,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,44.120464,-0.000000>,1.500000
<8.673182,45.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,45.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,45.021542,-0.000000>,1.500000
<8.673182,46.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,46.021542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,45.021542,-0.000000>,1.500000
<9.106841,45.922619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,45.922619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,45.922619,-0.000000>,1.500000
<9.888362,46.546497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.888362,46.546497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,46.546497,-0.000000>,1.500000
<10.863123,46.769749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.863123,46.769749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,46.546497,-0.000000>,1.500000
<10.669882,47.170376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.669882,47.170376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,47.170376,-0.000000>,1.500000
<11.103541,48.071453,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.103541,48.071453,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,47.170376,-0.000000>,1.500000
<11.451403,47.794254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.451403,47.794254,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,45.922619,-0.000000>,1.500000
<9.540500,46.823696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,46.823696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,46.823696,-0.000000>,1.500000
<10.322021,47.447575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.322021,47.447575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,46.823696,-0.000000>,1.500000
<9.974159,47.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,47.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,47.724770,-0.000000>,1.500000
<9.974159,48.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,48.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,47.724770,-0.000000>,1.500000
<10.407819,48.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,48.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,48.625847,-0.000000>,1.500000
<10.407819,49.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,49.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,49.625847,-0.000000>,1.500000
<10.841477,50.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,50.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,49.625847,-0.000000>,1.500000
<10.407819,50.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,50.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,50.625847,-0.000000>,1.500000
<9.974159,51.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,51.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,50.625847,-0.000000>,1.500000
<10.407819,51.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,51.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,48.625847,-0.000000>,1.500000
<10.841477,49.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,49.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,49.526924,-0.000000>,1.500000
<11.622998,50.150806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.622998,50.150806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,49.526924,-0.000000>,1.500000
<11.275137,50.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,50.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,50.428001,-0.000000>,1.500000
<11.275137,51.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,51.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,50.428001,-0.000000>,1.500000
<11.708796,51.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,51.329079,-0.000000>,1.500000
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
<0.433659,28.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,28.901077,-0.000000>,1.500000
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
<-0.433659,29.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,29.901077,-0.000000>,1.500000
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
<0.433659,30.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,30.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,30.901077,-0.000000>,1.500000
<1.215180,31.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,31.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,30.901077,-0.000000>,1.500000
<0.867318,31.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,31.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,31.802155,-0.000000>,1.500000
<0.867318,32.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,32.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,31.802155,-0.000000>,1.500000
<1.300977,32.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,32.703232,-0.000000>,1.500000
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
<0.433659,31.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,31.901077,-0.000000>,1.500000
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
<-0.433659,32.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,32.901077,-0.000000>,1.500000
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
<-0.433659,33.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,33.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,33.901077,-0.000000>,1.500000
<-0.433659,34.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,34.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,33.901077,-0.000000>,1.500000
<-0.867318,34.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,34.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,34.802155,-0.000000>,1.500000
<-1.648839,35.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,35.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,34.802155,-0.000000>,1.500000
<-1.300977,35.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,35.703232,-0.000000>,1.500000
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
<0.433659,34.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,34.901077,-0.000000>,1.500000
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
<-0.433659,35.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,35.901077,-0.000000>,1.500000
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
<0.433659,36.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,36.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,36.901077,-0.000000>,1.500000
<1.215180,37.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,37.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,36.901077,-0.000000>,1.500000
<0.867318,37.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,37.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,37.802155,-0.000000>,1.500000
<0.867318,38.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,38.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,37.802155,-0.000000>,1.500000
<1.300977,38.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,38.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,38.703232,-0.000000>,1.500000
<2.082498,39.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,39.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,39.327110,-0.000000>,1.500000
<3.057259,39.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,39.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,39.327110,-0.000000>,1.500000
<2.864018,39.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,39.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,39.950989,-0.000000>,1.500000
<3.297677,40.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,40.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,39.950989,-0.000000>,1.500000
<3.645539,40.574871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,40.574871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,38.703232,-0.000000>,1.500000
<1.734636,39.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,39.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,39.604309,-0.000000>,1.500000
<2.516157,40.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,40.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,39.604309,-0.000000>,1.500000
<2.168295,40.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,40.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,40.505386,-0.000000>,1.500000
<2.168295,41.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,41.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,40.505386,-0.000000>,1.500000
<2.601955,41.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,41.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,41.406464,-0.000000>,1.500000
<2.601955,42.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,42.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,42.406464,-0.000000>,1.500000
<3.035614,43.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,43.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,42.406464,-0.000000>,1.500000
<2.601955,43.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,43.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,43.406464,-0.000000>,1.500000
<2.168295,44.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,44.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,43.406464,-0.000000>,1.500000
<2.601955,44.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,44.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,41.406464,-0.000000>,1.500000
<3.035614,42.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,42.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,42.307541,-0.000000>,1.500000
<3.817134,42.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,42.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,42.307541,-0.000000>,1.500000
<3.469273,43.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,43.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,43.208614,-0.000000>,1.500000
<3.469273,44.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,44.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,43.208614,-0.000000>,1.500000
<3.902932,44.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,44.109692,-0.000000>,1.500000
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
<0.433659,37.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,37.901077,-0.000000>,1.500000
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
<-0.433659,38.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,38.901077,-0.000000>,1.500000
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
<0.433659,39.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,39.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,39.901077,-0.000000>,1.500000
<1.215180,40.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,40.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,39.901077,-0.000000>,1.500000
<0.867318,40.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,40.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,40.802155,-0.000000>,1.500000
<0.867318,41.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,41.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,40.802155,-0.000000>,1.500000
<1.300977,41.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,41.703232,-0.000000>,1.500000
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
<0.433659,40.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,40.901077,-0.000000>,1.500000
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
<-0.433659,41.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,41.901077,-0.000000>,1.500000
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
<-0.433659,42.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,42.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,42.901077,-0.000000>,1.500000
<-0.433659,43.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,43.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,42.901077,-0.000000>,1.500000
<-0.867318,43.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,43.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,43.802155,-0.000000>,1.500000
<-1.648839,44.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,44.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,43.802155,-0.000000>,1.500000
<-1.300977,44.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,44.703232,-0.000000>,1.500000
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
<0.433659,43.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,43.901077,-0.000000>,1.500000
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
<-0.433659,44.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,44.901077,-0.000000>,1.500000
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
<-0.433659,45.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,45.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,45.901077,-0.000000>,1.500000
<-0.433659,46.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,46.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,45.901077,-0.000000>,1.500000
<-0.867318,46.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,46.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,46.802155,-0.000000>,1.500000
<-1.648839,47.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,47.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,46.802155,-0.000000>,1.500000
<-1.300977,47.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,47.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,47.703232,-0.000000>,1.500000
<-1.300977,48.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,48.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,48.703232,-0.000000>,1.500000
<-0.867318,49.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,49.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,48.703232,-0.000000>,1.500000
<-1.300977,49.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,49.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,49.703232,-0.000000>,1.500000
<-1.734636,50.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,50.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,49.703232,-0.000000>,1.500000
<-1.300977,50.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,50.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,47.703232,-0.000000>,1.500000
<-1.734636,48.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,48.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,48.604309,-0.000000>,1.500000
<-1.734636,49.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,49.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,48.604309,-0.000000>,1.500000
<-2.168295,49.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,49.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,49.505386,-0.000000>,1.500000
<-2.949816,50.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,50.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,49.505386,-0.000000>,1.500000
<-2.601955,50.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,50.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,50.406464,-0.000000>,1.500000
<-3.383475,51.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,51.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,51.030342,-0.000000>,1.500000
<-3.817134,51.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,51.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,51.030342,-0.000000>,1.500000
<-4.164996,51.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,51.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,51.654221,-0.000000>,1.500000
<-5.139757,51.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,51.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,51.654221,-0.000000>,1.500000
<-4.946516,52.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,52.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,50.406464,-0.000000>,1.500000
<-3.035614,51.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,51.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,51.307541,-0.000000>,1.500000
<-3.035614,52.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,52.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,51.307541,-0.000000>,1.500000
<-3.469273,52.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,52.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,52.208614,-0.000000>,1.500000
<-4.250793,52.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,52.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,52.208614,-0.000000>,1.500000
<-3.902932,53.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,53.109692,-0.000000>,1.500000
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
<0.433659,46.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,46.901077,-0.000000>,1.500000
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
<-0.433659,47.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,47.901077,-0.000000>,1.500000
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
<0.433659,48.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,48.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,48.901077,-0.000000>,1.500000
<1.215180,49.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,49.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,48.901077,-0.000000>,1.500000
<0.867318,49.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,49.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,49.802155,-0.000000>,1.500000
<0.867318,50.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,50.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,49.802155,-0.000000>,1.500000
<1.300977,50.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,50.703232,-0.000000>,1.500000
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
<0.433659,49.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,49.901077,-0.000000>,1.500000
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
<-0.433659,50.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,50.901077,-0.000000>,1.500000
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
<-0.433659,51.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,51.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,51.901077,-0.000000>,1.500000
<-0.433659,52.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,52.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,51.901077,-0.000000>,1.500000
<-0.867318,52.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,52.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,52.802155,-0.000000>,1.500000
<-1.648839,53.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,53.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,52.802155,-0.000000>,1.500000
<-1.300977,53.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,53.703232,-0.000000>,1.500000
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
<0.433659,52.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,52.901077,-0.000000>,1.500000
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
<-0.433659,53.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,53.901077,-0.000000>,1.500000
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
<-0.433659,54.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,54.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,54.901077,-0.000000>,1.500000
<-0.433659,55.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,55.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,54.901077,-0.000000>,1.500000
<-0.867318,55.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,55.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,55.802155,-0.000000>,1.500000
<-1.648839,56.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,56.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,55.802155,-0.000000>,1.500000
<-1.300977,56.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,56.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,56.703232,-0.000000>,1.500000
<-1.300977,57.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,57.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,57.703232,-0.000000>,1.500000
<-0.867318,58.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,58.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,57.703232,-0.000000>,1.500000
<-1.300977,58.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,58.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,58.703232,-0.000000>,1.500000
<-1.734636,59.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,59.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,58.703232,-0.000000>,1.500000
<-1.300977,59.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,59.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,56.703232,-0.000000>,1.500000
<-1.734636,57.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,57.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,57.604309,-0.000000>,1.500000
<-1.734636,58.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,58.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,57.604309,-0.000000>,1.500000
<-2.168295,58.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,58.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,58.505386,-0.000000>,1.500000
<-2.949816,59.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,59.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,58.505386,-0.000000>,1.500000
<-2.601955,59.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,59.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,59.406464,-0.000000>,1.500000
<-3.383475,60.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,60.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,60.030342,-0.000000>,1.500000
<-3.817134,60.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,60.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,60.030342,-0.000000>,1.500000
<-4.164996,60.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,60.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,60.654221,-0.000000>,1.500000
<-5.139757,60.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,60.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,60.654221,-0.000000>,1.500000
<-4.946516,61.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,61.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,59.406464,-0.000000>,1.500000
<-3.035614,60.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,60.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,60.307541,-0.000000>,1.500000
<-3.035614,61.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,61.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,60.307541,-0.000000>,1.500000
<-3.469273,61.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,61.208614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,61.208614,-0.000000>,1.500000
<-4.250793,61.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,61.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,61.208614,-0.000000>,1.500000
<-3.902932,62.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,62.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,62.109692,-0.000000>,1.500000
<-3.902932,63.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,63.109692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,63.109692,-0.000000>,1.500000
<-3.469273,64.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,64.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,63.109692,-0.000000>,1.500000
<-3.902932,64.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,64.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,64.109695,-0.000000>,1.500000
<-4.336591,65.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,65.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,64.109695,-0.000000>,1.500000
<-3.902932,65.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,65.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,65.109695,-0.000000>,1.500000
<-3.469273,66.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,66.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,66.010773,-0.000000>,1.500000
<-2.687752,66.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.687752,66.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,66.010773,-0.000000>,1.500000
<-3.035614,66.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,66.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,66.911850,-0.000000>,1.500000
<-3.035614,67.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,67.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,66.911850,-0.000000>,1.500000
<-2.601955,67.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,67.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,65.109695,-0.000000>,1.500000
<-3.902932,66.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,66.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,66.109695,-0.000000>,1.500000
<-3.469273,67.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,67.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,66.109695,-0.000000>,1.500000
<-3.902932,67.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,67.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,67.109695,-0.000000>,1.500000
<-4.336591,68.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,68.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,67.109695,-0.000000>,1.500000
<-3.902932,68.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,68.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,68.109695,-0.000000>,1.500000
<-4.336591,69.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,69.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,69.010773,-0.000000>,1.500000
<-4.336591,70.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,70.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,69.010773,-0.000000>,1.500000
<-4.770250,69.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,69.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,69.911850,-0.000000>,1.500000
<-5.551771,70.535728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,70.535728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,69.911850,-0.000000>,1.500000
<-5.203909,70.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,70.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,68.109695,-0.000000>,1.500000
<-3.902932,69.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,69.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,69.109695,-0.000000>,1.500000
<-3.469273,70.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,70.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,69.109695,-0.000000>,1.500000
<-3.902932,70.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,70.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,70.109695,-0.000000>,1.500000
<-4.336591,71.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,71.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,70.109695,-0.000000>,1.500000
<-3.902932,71.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,71.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,62.109692,-0.000000>,1.500000
<-4.336591,63.010769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,63.010769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,63.010769,-0.000000>,1.500000
<-4.336591,64.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,64.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,63.010769,-0.000000>,1.500000
<-4.770250,63.911846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,63.911846,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,63.911846,-0.000000>,1.500000
<-5.551771,64.535728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,64.535728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,63.911846,-0.000000>,1.500000
<-5.203909,64.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,64.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,64.812927,-0.000000>,1.500000
<-5.203909,65.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,65.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,65.812927,-0.000000>,1.500000
<-4.770250,66.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,66.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,65.812927,-0.000000>,1.500000
<-5.203909,66.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,66.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,66.812927,-0.000000>,1.500000
<-5.637568,67.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,67.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,66.812927,-0.000000>,1.500000
<-5.203909,67.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,67.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,64.812927,-0.000000>,1.500000
<-5.637568,65.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,65.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,65.714005,-0.000000>,1.500000
<-5.637568,66.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,66.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,65.714005,-0.000000>,1.500000
<-6.071228,66.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,66.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,66.615082,-0.000000>,1.500000
<-6.852748,67.238960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.852748,67.238960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,66.615082,-0.000000>,1.500000
<-6.504887,67.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,67.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,67.516151,-0.000000>,1.500000
<-7.286407,68.140038,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.286407,68.140038,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,68.140038,-0.000000>,1.500000
<-7.720066,69.041115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.720066,69.041115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,68.140038,-0.000000>,1.500000
<-8.067927,68.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.067927,68.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,68.763916,-0.000000>,1.500000
<-9.042688,68.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042688,68.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,68.763916,-0.000000>,1.500000
<-8.849448,69.387794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.849448,69.387794,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,67.516151,-0.000000>,1.500000
<-6.938546,68.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,68.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,68.417229,-0.000000>,1.500000
<-6.938546,69.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,69.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,68.417229,-0.000000>,1.500000
<-7.372205,69.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,69.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,69.318306,-0.000000>,1.500000
<-8.153725,69.942192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.153725,69.942192,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,69.318306,-0.000000>,1.500000
<-7.805864,70.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,70.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,70.219383,-0.000000>,1.500000
<-8.587384,70.843269,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.587384,70.843269,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,70.843269,-0.000000>,1.500000
<-9.021044,71.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.021044,71.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,70.843269,-0.000000>,1.500000
<-9.368905,71.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.368905,71.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,71.467148,-0.000000>,1.500000
<-10.343666,71.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.343666,71.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,71.467148,-0.000000>,1.500000
<-10.150425,72.091026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.150425,72.091026,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,72.091026,-0.000000>,1.500000
<-10.584085,72.992104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,72.992104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,72.992104,-0.000000>,1.500000
<-10.584085,73.992104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,73.992104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,72.992104,-0.000000>,1.500000
<-11.017743,73.893181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017743,73.893181,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,73.893181,-0.000000>,1.500000
<-11.799264,74.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799264,74.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,73.893181,-0.000000>,1.500000
<-11.451403,74.794258,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.451403,74.794258,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,72.091026,-0.000000>,1.500000
<-10.931946,72.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.931946,72.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,72.714905,-0.000000>,1.500000
<-11.365604,73.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.365604,73.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,72.714905,-0.000000>,1.500000
<-11.713467,73.338783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.713467,73.338783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,73.338783,-0.000000>,1.500000
<-12.688228,73.562035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.688228,73.562035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,73.338783,-0.000000>,1.500000
<-12.494987,73.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.494987,73.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,73.962662,-0.000000>,1.500000
<-13.469748,74.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.469748,74.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,74.185913,-0.000000>,1.500000
<-14.251268,74.809792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.251268,74.809792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,74.185913,-0.000000>,1.500000
<-14.444510,74.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.444510,74.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,74.409164,-0.000000>,1.500000
<-15.419659,74.187614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419659,74.187614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,74.409164,-0.000000>,1.500000
<-15.419271,74.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419271,74.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,73.962662,-0.000000>,1.500000
<-13.276507,74.586540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.276507,74.586540,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,74.586540,-0.000000>,1.500000
<-13.710166,75.487617,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.710166,75.487617,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,74.586540,-0.000000>,1.500000
<-14.058027,75.210426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.058027,75.210426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,75.210426,-0.000000>,1.500000
<-15.032789,75.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.032789,75.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,75.210426,-0.000000>,1.500000
<-14.839548,75.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.839548,75.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,70.219383,-0.000000>,1.500000
<-8.239523,71.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,71.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,71.120461,-0.000000>,1.500000
<-8.239523,72.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,72.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,71.120461,-0.000000>,1.500000
<-8.673182,72.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,72.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,72.021538,-0.000000>,1.500000
<-9.454702,72.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.454702,72.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,72.021538,-0.000000>,1.500000
<-9.106841,72.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,72.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,72.922615,-0.000000>,1.500000
<-9.106841,73.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,73.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,73.922615,-0.000000>,1.500000
<-8.673182,74.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,74.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,73.922615,-0.000000>,1.500000
<-9.106841,74.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,74.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,74.922615,-0.000000>,1.500000
<-9.540500,75.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,75.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,74.922615,-0.000000>,1.500000
<-9.106841,75.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,75.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,72.922615,-0.000000>,1.500000
<-9.540500,73.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,73.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,73.823692,-0.000000>,1.500000
<-9.540500,74.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,74.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,73.823692,-0.000000>,1.500000
<-9.974159,74.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,74.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,74.724770,-0.000000>,1.500000
<-10.755680,75.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.755680,75.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,74.724770,-0.000000>,1.500000
<-10.407819,75.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,75.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,75.625847,-0.000000>,1.500000
<-11.189339,76.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.189339,76.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,76.249725,-0.000000>,1.500000
<-11.622998,77.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.622998,77.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,76.249725,-0.000000>,1.500000
<-11.970860,76.873604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.970860,76.873604,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,76.873604,-0.000000>,1.500000
<-12.945621,77.096855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.945621,77.096855,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,76.873604,-0.000000>,1.500000
<-12.752379,77.497490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.752379,77.497490,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,75.625847,-0.000000>,1.500000
<-10.841477,76.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,76.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,76.526924,-0.000000>,1.500000
<-10.841477,77.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,77.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,76.526924,-0.000000>,1.500000
<-11.275137,77.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,77.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,77.428001,-0.000000>,1.500000
<-12.056657,78.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,78.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,77.428001,-0.000000>,1.500000
<-11.708796,78.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,78.329079,-0.000000>,1.500000
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
<0.433659,55.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,55.901077,-0.000000>,1.500000
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
<-0.433659,56.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,56.901077,-0.000000>,1.500000
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
<0.433659,57.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,57.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,57.901077,-0.000000>,1.500000
<1.215180,58.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,58.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,57.901077,-0.000000>,1.500000
<0.867318,58.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,58.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,58.802155,-0.000000>,1.500000
<0.867318,59.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,59.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,58.802155,-0.000000>,1.500000
<1.300977,59.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,59.703232,-0.000000>,1.500000
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
<0.433659,58.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,58.901077,-0.000000>,1.500000
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
<-0.433659,59.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,59.901077,-0.000000>,1.500000
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
<-0.433659,60.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,60.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,60.901077,-0.000000>,1.500000
<-0.433659,61.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,61.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,60.901077,-0.000000>,1.500000
<-0.867318,61.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,61.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,61.802155,-0.000000>,1.500000
<-1.648839,62.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,62.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,61.802155,-0.000000>,1.500000
<-1.300977,62.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,62.703232,-0.000000>,1.500000
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
<0.433659,61.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,61.901077,-0.000000>,1.500000
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
<-0.433659,62.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,62.901077,-0.000000>,1.500000
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
<0.433659,63.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,63.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,63.901077,-0.000000>,1.500000
<1.215180,64.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,64.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,63.901077,-0.000000>,1.500000
<0.867318,64.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,64.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,64.802155,-0.000000>,1.500000
<0.867318,65.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,65.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,64.802155,-0.000000>,1.500000
<1.300977,65.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,65.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,65.703232,-0.000000>,1.500000
<2.082498,66.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,66.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,66.327110,-0.000000>,1.500000
<3.057259,66.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,66.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,66.327110,-0.000000>,1.500000
<2.864018,66.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,66.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,66.950989,-0.000000>,1.500000
<3.297677,67.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,67.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,66.950989,-0.000000>,1.500000
<3.645539,67.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,67.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,65.703232,-0.000000>,1.500000
<1.734636,66.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,66.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,66.604309,-0.000000>,1.500000
<2.516157,67.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,67.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,66.604309,-0.000000>,1.500000
<2.168295,67.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,67.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,67.505386,-0.000000>,1.500000
<2.168295,68.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,68.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,67.505386,-0.000000>,1.500000
<2.601955,68.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,68.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,68.406464,-0.000000>,1.500000
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
<2.601955,69.406464,-0.000000>,1.500000
<2.601955,70.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,70.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,70.406464,-0.000000>,1.500000
<2.168295,71.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,71.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,70.406464,-0.000000>,1.500000
<2.601955,71.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,71.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,68.406464,-0.000000>,1.500000
<3.035614,69.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,69.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,69.307541,-0.000000>,1.500000
<3.817134,69.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,69.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,69.307541,-0.000000>,1.500000
<3.469273,70.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,70.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,70.208618,-0.000000>,1.500000
<3.469273,71.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,71.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,70.208618,-0.000000>,1.500000
<3.902932,71.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,71.109695,-0.000000>,1.500000
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
<-0.433659,65.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,65.901077,-0.000000>,1.500000
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
<0.433659,66.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,66.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,66.901077,-0.000000>,1.500000
<1.215180,67.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,67.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,66.901077,-0.000000>,1.500000
<0.867318,67.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,67.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,67.802155,-0.000000>,1.500000
<0.867318,68.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,68.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,67.802155,-0.000000>,1.500000
<1.300977,68.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,68.703232,-0.000000>,1.500000
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
<0.433659,67.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,67.901077,-0.000000>,1.500000
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
<-0.433659,68.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,68.901077,-0.000000>,1.500000
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
<-0.433659,69.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,69.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,69.901077,-0.000000>,1.500000
<-0.433659,70.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,70.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,69.901077,-0.000000>,1.500000
<-0.867318,70.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,70.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,70.802155,-0.000000>,1.500000
<-1.648839,71.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,71.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,70.802155,-0.000000>,1.500000
<-1.300977,71.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,71.703232,-0.000000>,1.500000
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
<0.433659,70.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,70.901077,-0.000000>,1.500000
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
<-0.433659,71.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,71.901077,-0.000000>,1.500000
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
<-0.433659,72.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,72.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,72.901077,-0.000000>,1.500000
<-0.433659,73.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,73.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,72.901077,-0.000000>,1.500000
<-0.867318,73.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,73.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,73.802155,-0.000000>,1.500000
<-1.648839,74.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,74.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,73.802155,-0.000000>,1.500000
<-1.300977,74.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,74.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,74.703232,-0.000000>,1.500000
<-1.300977,75.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,75.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,75.703232,-0.000000>,1.500000
<-0.867318,76.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,76.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,75.703232,-0.000000>,1.500000
<-1.300977,76.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,76.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,76.703232,-0.000000>,1.500000
<-1.734636,77.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,77.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,76.703232,-0.000000>,1.500000
<-1.300977,77.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,77.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,74.703232,-0.000000>,1.500000
<-1.734636,75.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,75.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,75.604309,-0.000000>,1.500000
<-1.734636,76.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,76.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,75.604309,-0.000000>,1.500000
<-2.168295,76.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,76.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,76.505386,-0.000000>,1.500000
<-2.949816,77.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,77.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,76.505386,-0.000000>,1.500000
<-2.601955,77.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,77.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,77.406464,-0.000000>,1.500000
<-3.383475,78.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,78.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,78.030342,-0.000000>,1.500000
<-3.817134,78.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,78.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,78.030342,-0.000000>,1.500000
<-4.164996,78.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,78.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,78.654221,-0.000000>,1.500000
<-5.139757,78.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,78.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,78.654221,-0.000000>,1.500000
<-4.946516,79.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,79.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,77.406464,-0.000000>,1.500000
<-3.035614,78.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,78.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,78.307541,-0.000000>,1.500000
<-3.035614,79.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,79.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,78.307541,-0.000000>,1.500000
<-3.469273,79.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,79.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,79.208618,-0.000000>,1.500000
<-4.250793,79.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,79.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,79.208618,-0.000000>,1.500000
<-3.902932,80.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,80.109695,-0.000000>,1.500000
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
<0.433659,73.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,73.901077,-0.000000>,1.500000
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
<-0.433659,74.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,74.901077,-0.000000>,1.500000
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
<0.433659,75.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,75.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,75.901077,-0.000000>,1.500000
<1.215180,76.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,76.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,75.901077,-0.000000>,1.500000
<0.867318,76.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,76.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,76.802155,-0.000000>,1.500000
<0.867318,77.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,77.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,76.802155,-0.000000>,1.500000
<1.300977,77.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,77.703232,-0.000000>,1.500000
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
<0.433659,76.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,76.901077,-0.000000>,1.500000
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
<-0.433659,77.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,77.901077,-0.000000>,1.500000
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
<-0.433659,78.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,78.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,78.901077,-0.000000>,1.500000
<-0.433659,79.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,79.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,78.901077,-0.000000>,1.500000
<-0.867318,79.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,79.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,79.802155,-0.000000>,1.500000
<-1.648839,80.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,80.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,79.802155,-0.000000>,1.500000
<-1.300977,80.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,80.703232,-0.000000>,1.500000
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
<0.433659,79.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,79.901077,-0.000000>,1.500000
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
<-0.433659,80.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,80.901077,-0.000000>,1.500000
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
<0.433659,81.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,81.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,81.901077,-0.000000>,1.500000
<1.215180,82.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,82.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,81.901077,-0.000000>,1.500000
<0.867318,82.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,82.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,82.802155,-0.000000>,1.500000
<0.867318,83.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,83.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,82.802155,-0.000000>,1.500000
<1.300977,83.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,83.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,83.703232,-0.000000>,1.500000
<2.082498,84.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,84.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,84.327110,-0.000000>,1.500000
<3.057259,84.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,84.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,84.327110,-0.000000>,1.500000
<2.864018,84.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,84.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,84.950989,-0.000000>,1.500000
<3.297677,85.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,85.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,84.950989,-0.000000>,1.500000
<3.645539,85.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,85.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,83.703232,-0.000000>,1.500000
<1.734636,84.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,84.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,84.604309,-0.000000>,1.500000
<2.516157,85.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,85.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,84.604309,-0.000000>,1.500000
<2.168295,85.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,85.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,85.505386,-0.000000>,1.500000
<2.168295,86.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,86.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,85.505386,-0.000000>,1.500000
<2.601955,86.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,86.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,86.406464,-0.000000>,1.500000
<2.601955,87.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,87.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,87.406464,-0.000000>,1.500000
<3.035614,88.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,88.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,87.406464,-0.000000>,1.500000
<2.601955,88.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,88.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,88.406464,-0.000000>,1.500000
<2.168295,89.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,89.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,88.406464,-0.000000>,1.500000
<2.601955,89.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,89.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,86.406464,-0.000000>,1.500000
<3.035614,87.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,87.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,87.307541,-0.000000>,1.500000
<3.817134,87.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,87.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,87.307541,-0.000000>,1.500000
<3.469273,88.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,88.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,88.208618,-0.000000>,1.500000
<3.469273,89.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,89.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,88.208618,-0.000000>,1.500000
<3.902932,89.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,89.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,89.109695,-0.000000>,1.500000
<4.684453,89.733574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.684453,89.733574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,89.733574,-0.000000>,1.500000
<5.659214,89.956825,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.659214,89.956825,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,89.733574,-0.000000>,1.500000
<5.465973,90.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.465973,90.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,90.357452,-0.000000>,1.500000
<5.899632,91.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899632,91.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,90.357452,-0.000000>,1.500000
<6.247493,90.981331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.247493,90.981331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,90.981331,-0.000000>,1.500000
<7.222255,91.204582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.222255,91.204582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,91.204582,-0.000000>,1.500000
<8.197404,90.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197404,90.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,91.204582,-0.000000>,1.500000
<8.197016,91.427834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197016,91.427834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,91.427834,-0.000000>,1.500000
<8.978537,92.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.978537,92.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,91.427834,-0.000000>,1.500000
<9.171777,91.651085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.171777,91.651085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,90.981331,-0.000000>,1.500000
<7.029014,91.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.029014,91.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,91.605209,-0.000000>,1.500000
<8.003775,91.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.003775,91.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,91.605209,-0.000000>,1.500000
<7.810534,92.229088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.810534,92.229088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,92.229088,-0.000000>,1.500000
<8.244193,93.130165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244193,93.130165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,92.229088,-0.000000>,1.500000
<8.592054,92.852974,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.592054,92.852974,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,92.852974,-0.000000>,1.500000
<9.025714,93.754051,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.025714,93.754051,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,93.754051,-0.000000>,1.500000
<9.807235,94.377930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.807235,94.377930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,93.754051,-0.000000>,1.500000
<9.459373,94.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,94.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,94.655121,-0.000000>,1.500000
<9.459373,95.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,95.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,94.655121,-0.000000>,1.500000
<9.893032,95.556198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.893032,95.556198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,92.852974,-0.000000>,1.500000
<9.373575,93.476852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.373575,93.476852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,93.476852,-0.000000>,1.500000
<10.348336,93.700104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.348336,93.700104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,93.476852,-0.000000>,1.500000
<10.155096,94.100731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.155096,94.100731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,94.100731,-0.000000>,1.500000
<10.588755,95.001808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.588755,95.001808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,94.100731,-0.000000>,1.500000
<10.936616,94.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.936616,94.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,89.109695,-0.000000>,1.500000
<4.336591,90.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,90.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,90.010773,-0.000000>,1.500000
<5.118112,90.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.118112,90.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,90.010773,-0.000000>,1.500000
<4.770250,90.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,90.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,90.911850,-0.000000>,1.500000
<4.770250,91.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,91.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,90.911850,-0.000000>,1.500000
<5.203909,91.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,91.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,91.812927,-0.000000>,1.500000
<5.985430,92.436806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.985430,92.436806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,92.436806,-0.000000>,1.500000
<6.960191,92.660057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.960191,92.660057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,92.436806,-0.000000>,1.500000
<6.766950,93.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.766950,93.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,93.060684,-0.000000>,1.500000
<7.200609,93.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.200609,93.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,93.060684,-0.000000>,1.500000
<7.548470,93.684563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.548470,93.684563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,91.812927,-0.000000>,1.500000
<5.637568,92.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,92.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,92.714005,-0.000000>,1.500000
<6.419089,93.337883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.419089,93.337883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,92.714005,-0.000000>,1.500000
<6.071228,93.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,93.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,93.615082,-0.000000>,1.500000
<6.071228,94.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,94.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,93.615082,-0.000000>,1.500000
<6.504887,94.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,94.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,94.516151,-0.000000>,1.500000
<6.504887,95.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,95.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,95.516151,-0.000000>,1.500000
<6.938546,96.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,96.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,95.516151,-0.000000>,1.500000
<6.504887,96.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,96.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,96.516151,-0.000000>,1.500000
<6.071228,97.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,97.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,96.516151,-0.000000>,1.500000
<6.504887,97.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,97.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,94.516151,-0.000000>,1.500000
<6.938546,95.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,95.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,95.417229,-0.000000>,1.500000
<7.720066,96.041115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.720066,96.041115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,95.417229,-0.000000>,1.500000
<7.372205,96.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,96.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,96.318306,-0.000000>,1.500000
<7.372205,97.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,97.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,96.318306,-0.000000>,1.500000
<7.805864,97.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,97.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,97.219383,-0.000000>,1.500000
<7.805864,98.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,98.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,98.219383,-0.000000>,1.500000
<8.239523,99.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,99.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,98.219383,-0.000000>,1.500000
<7.805864,99.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,99.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,99.219383,-0.000000>,1.500000
<7.372205,100.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,100.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,99.219383,-0.000000>,1.500000
<7.805864,100.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,100.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,100.219383,-0.000000>,1.500000
<8.239523,101.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,101.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,101.120461,-0.000000>,1.500000
<9.021044,101.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,101.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,101.120461,-0.000000>,1.500000
<8.673182,102.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,102.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,102.021538,-0.000000>,1.500000
<8.673182,103.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,103.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,102.021538,-0.000000>,1.500000
<9.106841,102.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,102.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,100.219383,-0.000000>,1.500000
<7.805864,101.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,101.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,101.219383,-0.000000>,1.500000
<8.239523,102.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,102.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,101.219383,-0.000000>,1.500000
<7.805864,102.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,102.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,102.219383,-0.000000>,1.500000
<7.372205,103.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,103.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,102.219383,-0.000000>,1.500000
<7.805864,103.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,103.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,103.219383,-0.000000>,1.500000
<7.372205,104.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,104.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,104.120461,-0.000000>,1.500000
<7.372205,105.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,105.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,104.120461,-0.000000>,1.500000
<6.938546,105.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,105.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,105.021538,-0.000000>,1.500000
<6.157025,105.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.157025,105.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,105.021538,-0.000000>,1.500000
<6.504887,105.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,105.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,103.219383,-0.000000>,1.500000
<7.805864,104.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,104.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,104.219383,-0.000000>,1.500000
<8.239523,105.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,105.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,104.219383,-0.000000>,1.500000
<7.805864,105.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,105.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,105.219383,-0.000000>,1.500000
<7.372205,106.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,106.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,105.219383,-0.000000>,1.500000
<7.805864,106.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,106.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,97.219383,-0.000000>,1.500000
<8.239523,98.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,98.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,98.120461,-0.000000>,1.500000
<9.021044,98.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,98.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,98.120461,-0.000000>,1.500000
<8.673182,99.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,99.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,99.021538,-0.000000>,1.500000
<8.673182,100.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,100.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,99.021538,-0.000000>,1.500000
<9.106841,99.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,99.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,99.922615,-0.000000>,1.500000
<9.888362,100.546494,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.888362,100.546494,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,100.546494,-0.000000>,1.500000
<10.863123,100.769745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.863123,100.769745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,100.546494,-0.000000>,1.500000
<10.669882,101.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.669882,101.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,101.170380,-0.000000>,1.500000
<11.103541,102.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.103541,102.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,101.170380,-0.000000>,1.500000
<11.451403,101.794258,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.451403,101.794258,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,99.922615,-0.000000>,1.500000
<9.540500,100.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,100.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,100.823692,-0.000000>,1.500000
<10.322021,101.447571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.322021,101.447571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,100.823692,-0.000000>,1.500000
<9.974159,101.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,101.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,101.724770,-0.000000>,1.500000
<9.974159,102.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,102.724770,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,101.724770,-0.000000>,1.500000
<10.407819,102.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,102.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,102.625847,-0.000000>,1.500000
<10.407819,103.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,103.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,103.625847,-0.000000>,1.500000
<10.841477,104.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,104.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,103.625847,-0.000000>,1.500000
<10.407819,104.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,104.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,104.625847,-0.000000>,1.500000
<9.974159,105.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,105.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,104.625847,-0.000000>,1.500000
<10.407819,105.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,105.625847,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,102.625847,-0.000000>,1.500000
<10.841477,103.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,103.526924,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,103.526924,-0.000000>,1.500000
<11.622998,104.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.622998,104.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,103.526924,-0.000000>,1.500000
<11.275137,104.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,104.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,104.428001,-0.000000>,1.500000
<11.275137,105.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,105.428001,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,104.428001,-0.000000>,1.500000
<11.708796,105.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,105.329079,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,105.329079,-0.000000>,1.500000
<12.490316,105.952957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.490316,105.952957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.490316,105.952957,-0.000000>,1.500000
<13.465077,106.176208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.465077,106.176208,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.490316,105.952957,-0.000000>,1.500000
<13.271836,106.576836,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.271836,106.576836,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.271836,106.576836,-0.000000>,1.500000
<13.705496,107.477913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.705496,107.477913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.271836,106.576836,-0.000000>,1.500000
<14.053357,107.200722,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.053357,107.200722,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.053357,107.200722,-0.000000>,1.500000
<15.028118,107.423965,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.028118,107.423965,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.028118,107.423965,-0.000000>,1.500000
<16.003267,107.202423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.003267,107.202423,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.028118,107.423965,-0.000000>,1.500000
<16.002880,107.647217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.002880,107.647217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.002880,107.647217,-0.000000>,1.500000
<16.784399,108.271095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.784399,108.271095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.002880,107.647217,-0.000000>,1.500000
<16.977640,107.870468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.977640,107.870468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.053357,107.200722,-0.000000>,1.500000
<14.834878,107.824600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.834878,107.824600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.834878,107.824600,-0.000000>,1.500000
<15.809639,108.047852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.809639,108.047852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.834878,107.824600,-0.000000>,1.500000
<15.616398,108.448479,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.616398,108.448479,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.616398,108.448479,-0.000000>,1.500000
<16.050056,109.349556,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.050056,109.349556,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.616398,108.448479,-0.000000>,1.500000
<16.397919,109.072357,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.397919,109.072357,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.397919,109.072357,-0.000000>,1.500000
<16.831577,109.973434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.831577,109.973434,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.831577,109.973434,-0.000000>,1.500000
<17.613098,110.597313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.613098,110.597313,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.831577,109.973434,-0.000000>,1.500000
<17.265236,110.874512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.265236,110.874512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.265236,110.874512,-0.000000>,1.500000
<17.265236,111.874512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.265236,111.874512,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.265236,110.874512,-0.000000>,1.500000
<17.698896,111.775589,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.698896,111.775589,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.397919,109.072357,-0.000000>,1.500000
<17.179440,109.696236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.179440,109.696236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.179440,109.696236,-0.000000>,1.500000
<18.154200,109.919487,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.154200,109.919487,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.179440,109.696236,-0.000000>,1.500000
<17.960960,110.320114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.960960,110.320114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.960960,110.320114,-0.000000>,1.500000
<18.394619,111.221191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.394619,111.221191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.960960,110.320114,-0.000000>,1.500000
<18.742479,110.943993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.742479,110.943993,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.742479,110.943993,-0.000000>,1.500000
<19.717241,111.167244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.717241,111.167244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.717241,111.167244,-0.000000>,1.500000
<20.692390,110.945694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.692390,110.945694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.717241,111.167244,-0.000000>,1.500000
<20.692003,111.390495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.692003,111.390495,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.692003,111.390495,-0.000000>,1.500000
<21.473522,112.014374,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.473522,112.014374,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.692003,111.390495,-0.000000>,1.500000
<21.666763,111.613747,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.666763,111.613747,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.666763,111.613747,-0.000000>,1.500000
<22.641912,111.392197,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.641912,111.392197,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.641912,111.392197,-0.000000>,1.500000
<23.424520,110.769684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.424520,110.769684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.641912,111.392197,-0.000000>,1.500000
<23.617062,111.170647,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.617062,111.170647,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.617062,111.170647,-0.000000>,1.500000
<24.591824,111.393898,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.591824,111.393898,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.617062,111.170647,-0.000000>,1.500000
<24.592211,110.949097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.592211,110.949097,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.666763,111.613747,-0.000000>,1.500000
<22.641525,111.836998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.641525,111.836998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.641525,111.836998,-0.000000>,1.500000
<23.616674,111.615448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.616674,111.615448,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.641525,111.836998,-0.000000>,1.500000
<23.616285,112.060249,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.616285,112.060249,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.616285,112.060249,-0.000000>,1.500000
<24.397806,112.684128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.397806,112.684128,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.616285,112.060249,-0.000000>,1.500000
<24.591047,112.283493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.591047,112.283493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.591047,112.283493,-0.000000>,1.500000
<25.372568,112.907379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.372568,112.907379,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.372568,112.907379,-0.000000>,1.500000
<26.347328,113.130623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.347328,113.130623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.372568,112.907379,-0.000000>,1.500000
<26.154089,113.531258,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.154089,113.531258,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.154089,113.531258,-0.000000>,1.500000
<26.587748,114.432335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.587748,114.432335,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.154089,113.531258,-0.000000>,1.500000
<26.935608,114.155136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.935608,114.155136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.591047,112.283493,-0.000000>,1.500000
<25.565809,112.506744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.565809,112.506744,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.565809,112.506744,-0.000000>,1.500000
<26.540958,112.285194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.540958,112.285194,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.565809,112.506744,-0.000000>,1.500000
<26.540569,112.729996,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.540569,112.729996,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.540569,112.729996,-0.000000>,1.500000
<27.322090,113.353874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.322090,113.353874,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.540569,112.729996,-0.000000>,1.500000
<27.515331,112.953247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.515331,112.953247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.742479,110.943993,-0.000000>,1.500000
<19.524000,111.567879,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.524000,111.567879,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.524000,111.567879,-0.000000>,1.500000
<20.498762,111.791122,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.498762,111.791122,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.524000,111.567879,-0.000000>,1.500000
<20.305521,112.191757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.305521,112.191757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.305521,112.191757,-0.000000>,1.500000
<20.739180,113.092834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.739180,113.092834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.305521,112.191757,-0.000000>,1.500000
<21.087042,112.815636,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.087042,112.815636,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.087042,112.815636,-0.000000>,1.500000
<22.061802,113.038887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.061802,113.038887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.061802,113.038887,-0.000000>,1.500000
<23.036953,112.817337,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.036953,112.817337,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.061802,113.038887,-0.000000>,1.500000
<23.036564,113.262131,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.036564,113.262131,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.036564,113.262131,-0.000000>,1.500000
<23.818085,113.886017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.818085,113.886017,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.036564,113.262131,-0.000000>,1.500000
<24.011326,113.485382,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.011326,113.485382,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.087042,112.815636,-0.000000>,1.500000
<21.868563,113.439514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.868563,113.439514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.868563,113.439514,-0.000000>,1.500000
<22.843323,113.662766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.843323,113.662766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.868563,113.439514,-0.000000>,1.500000
<22.650082,114.063393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.650082,114.063393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.650082,114.063393,-0.000000>,1.500000
<23.083742,114.964470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.083742,114.964470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.650082,114.063393,-0.000000>,1.500000
<23.431602,114.687271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.431602,114.687271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.431602,114.687271,-0.000000>,1.500000
<23.865263,115.588348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.865263,115.588348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.865263,115.588348,-0.000000>,1.500000
<24.646782,116.212227,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.646782,116.212227,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.865263,115.588348,-0.000000>,1.500000
<24.298922,116.489426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.298922,116.489426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.298922,116.489426,-0.000000>,1.500000
<24.298922,117.489426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.298922,117.489426,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.298922,116.489426,-0.000000>,1.500000
<24.732580,117.390503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.732580,117.390503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.431602,114.687271,-0.000000>,1.500000
<24.213123,115.311150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.213123,115.311150,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.213123,115.311150,-0.000000>,1.500000
<25.187885,115.534401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.187885,115.534401,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.213123,115.311150,-0.000000>,1.500000
<24.994644,115.935036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.994644,115.935036,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.994644,115.935036,-0.000000>,1.500000
<25.428303,116.836113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.428303,116.836113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.994644,115.935036,-0.000000>,1.500000
<25.776165,116.558914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.776165,116.558914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.776165,116.558914,-0.000000>,1.500000
<26.209824,117.459991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.209824,117.459991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.209824,117.459991,-0.000000>,1.500000
<26.991344,118.083870,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.991344,118.083870,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.209824,117.459991,-0.000000>,1.500000
<26.643482,118.361069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.643482,118.361069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.643482,118.361069,-0.000000>,1.500000
<26.643482,119.361069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.643482,119.361069,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.643482,118.361069,-0.000000>,1.500000
<27.077141,119.262146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.077141,119.262146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.077141,119.262146,-0.000000>,1.500000
<27.858662,119.886024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.858662,119.886024,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.858662,119.886024,-0.000000>,1.500000
<28.833424,120.109276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.833424,120.109276,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.858662,119.886024,-0.000000>,1.500000
<28.640182,120.509903,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.640182,120.509903,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.640182,120.509903,-0.000000>,1.500000
<29.073841,121.410980,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.073841,121.410980,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.640182,120.509903,-0.000000>,1.500000
<29.421703,121.133781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.421703,121.133781,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.077141,119.262146,-0.000000>,1.500000
<27.510801,120.163223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.510801,120.163223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.510801,120.163223,-0.000000>,1.500000
<28.292322,120.787102,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.292322,120.787102,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.510801,120.163223,-0.000000>,1.500000
<27.944460,121.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.944460,121.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.944460,121.064301,-0.000000>,1.500000
<27.944460,122.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.944460,122.064301,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.944460,121.064301,-0.000000>,1.500000
<28.378119,121.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.378119,121.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.378119,121.965370,-0.000000>,1.500000
<28.378119,122.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.378119,122.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.378119,122.965370,-0.000000>,1.500000
<28.811779,123.866447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.811779,123.866447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.378119,122.965370,-0.000000>,1.500000
<28.378119,123.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.378119,123.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.378119,123.965370,-0.000000>,1.500000
<27.944460,124.866447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.944460,124.866447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.378119,123.965370,-0.000000>,1.500000
<28.378119,124.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.378119,124.965370,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.378119,121.965370,-0.000000>,1.500000
<28.811779,122.866447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.811779,122.866447,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.811779,122.866447,-0.000000>,1.500000
<29.593298,123.490334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.593298,123.490334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.811779,122.866447,-0.000000>,1.500000
<29.245438,123.767525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.245438,123.767525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.245438,123.767525,-0.000000>,1.500000
<29.245438,124.767525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.245438,124.767525,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.245438,123.767525,-0.000000>,1.500000
<29.679096,124.668602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.679096,124.668602,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.776165,116.558914,-0.000000>,1.500000
<26.557686,117.182793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.557686,117.182793,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.557686,117.182793,-0.000000>,1.500000
<27.532446,117.406044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.532446,117.406044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.557686,117.182793,-0.000000>,1.500000
<27.339205,117.806671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.339205,117.806671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.339205,117.806671,-0.000000>,1.500000
<27.772865,118.707748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.772865,118.707748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.339205,117.806671,-0.000000>,1.500000
<28.120726,118.430550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.120726,118.430550,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.120726,118.430550,-0.000000>,1.500000
<29.095488,118.653801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.095488,118.653801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.095488,118.653801,-0.000000>,1.500000
<30.070637,118.432251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.070637,118.432251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.095488,118.653801,-0.000000>,1.500000
<30.070248,118.877052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.070248,118.877052,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.070248,118.877052,-0.000000>,1.500000
<30.851768,119.500931,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.851768,119.500931,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.070248,118.877052,-0.000000>,1.500000
<31.045010,119.100304,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.045010,119.100304,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.120726,118.430550,-0.000000>,1.500000
<28.902246,119.054428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.902246,119.054428,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.902246,119.054428,-0.000000>,1.500000
<29.877008,119.277679,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.877008,119.277679,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.902246,119.054428,-0.000000>,1.500000
<29.683767,119.678307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.683767,119.678307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.683767,119.678307,-0.000000>,1.500000
<30.117426,120.579384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.117426,120.579384,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.683767,119.678307,-0.000000>,1.500000
<30.465288,120.302193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.465288,120.302193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.465288,120.302193,-0.000000>,1.500000
<30.898947,121.203270,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.898947,121.203270,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.898947,121.203270,-0.000000>,1.500000
<31.680468,121.827148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.680468,121.827148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.898947,121.203270,-0.000000>,1.500000
<31.332605,122.104340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.332605,122.104340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.332605,122.104340,-0.000000>,1.500000
<31.332605,123.104340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.332605,123.104340,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.332605,122.104340,-0.000000>,1.500000
<31.766264,123.005417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.766264,123.005417,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.465288,120.302193,-0.000000>,1.500000
<31.246807,120.926071,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.246807,120.926071,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.246807,120.926071,-0.000000>,1.500000
<32.221569,121.149323,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.221569,121.149323,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.246807,120.926071,-0.000000>,1.500000
<32.028328,121.549950,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.028328,121.549950,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.028328,121.549950,-0.000000>,1.500000
<32.461987,122.451027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.461987,122.451027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.028328,121.549950,-0.000000>,1.500000
<32.809849,122.173828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.809849,122.173828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.708796,105.329079,-0.000000>,1.500000
<12.142455,106.230156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.142455,106.230156,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,106.230156,-0.000000>,1.500000
<12.923975,106.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.923975,106.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.142455,106.230156,-0.000000>,1.500000
<12.576114,107.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,107.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,107.131233,-0.000000>,1.500000
<12.576114,108.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.576114,108.131233,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.576114,107.131233,-0.000000>,1.500000
<13.009773,108.032310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.009773,108.032310,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,108.032310,-0.000000>,1.500000
<13.791293,108.656189,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.791293,108.656189,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.791293,108.656189,-0.000000>,1.500000
<14.766054,108.879440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.766054,108.879440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.791293,108.656189,-0.000000>,1.500000
<14.572814,109.280067,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.572814,109.280067,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.572814,109.280067,-0.000000>,1.500000
<15.006473,110.181145,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.006473,110.181145,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.572814,109.280067,-0.000000>,1.500000
<15.354335,109.903946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.354335,109.903946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.009773,108.032310,-0.000000>,1.500000
<13.443432,108.933388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.443432,108.933388,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,108.933388,-0.000000>,1.500000
<14.224953,109.557266,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.224953,109.557266,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.443432,108.933388,-0.000000>,1.500000
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
<13.877091,109.834465,-0.000000>,1.500000
<14.310750,110.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,110.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,110.735542,-0.000000>,1.500000
<14.310750,111.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,111.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,111.735542,-0.000000>,1.500000
<14.744410,112.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,112.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,111.735542,-0.000000>,1.500000
<14.310750,112.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,112.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,112.735542,-0.000000>,1.500000
<13.877091,113.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.877091,113.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,112.735542,-0.000000>,1.500000
<14.310750,113.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.310750,113.735542,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.310750,110.735542,-0.000000>,1.500000
<14.744410,111.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.744410,111.636620,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,111.636620,-0.000000>,1.500000
<15.525929,112.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.525929,112.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.744410,111.636620,-0.000000>,1.500000
<15.178068,112.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,112.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,112.537697,-0.000000>,1.500000
<15.178068,113.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.178068,113.537697,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.178068,112.537697,-0.000000>,1.500000
<15.611728,113.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.611728,113.438774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,113.438774,-0.000000>,1.500000
<16.393248,114.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.393248,114.062653,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.393248,114.062653,-0.000000>,1.500000
<17.368010,114.285904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.368010,114.285904,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.393248,114.062653,-0.000000>,1.500000
<17.174768,114.686531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.174768,114.686531,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.174768,114.686531,-0.000000>,1.500000
<17.608427,115.587608,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.608427,115.587608,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.174768,114.686531,-0.000000>,1.500000
<17.956289,115.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.956289,115.310410,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.956289,115.310410,-0.000000>,1.500000
<18.931049,115.533661,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.931049,115.533661,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.931049,115.533661,-0.000000>,1.500000
<19.906200,115.312111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.906200,115.312111,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.931049,115.533661,-0.000000>,1.500000
<19.905811,115.756912,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.905811,115.756912,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.905811,115.756912,-0.000000>,1.500000
<20.687332,116.380791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.687332,116.380791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.905811,115.756912,-0.000000>,1.500000
<20.880573,115.980164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.880573,115.980164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.956289,115.310410,-0.000000>,1.500000
<18.737810,115.934288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.737810,115.934288,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.737810,115.934288,-0.000000>,1.500000
<19.712570,116.157539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.712570,116.157539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.737810,115.934288,-0.000000>,1.500000
<19.519329,116.558174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.519329,116.558174,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.519329,116.558174,-0.000000>,1.500000
<19.952990,117.459244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.952990,117.459244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.519329,116.558174,-0.000000>,1.500000
<20.300850,117.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.300850,117.182053,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.300850,117.182053,-0.000000>,1.500000
<20.734510,118.083130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.734510,118.083130,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.734510,118.083130,-0.000000>,1.500000
<21.516029,118.707008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.516029,118.707008,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.734510,118.083130,-0.000000>,1.500000
<21.168169,118.984207,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.168169,118.984207,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.168169,118.984207,-0.000000>,1.500000
<21.168169,119.984207,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.168169,119.984207,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.168169,118.984207,-0.000000>,1.500000
<21.601828,119.885284,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.601828,119.885284,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.300850,117.182053,-0.000000>,1.500000
<21.082371,117.805931,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.082371,117.805931,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.082371,117.805931,-0.000000>,1.500000
<22.057133,118.029182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.057133,118.029182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.082371,117.805931,-0.000000>,1.500000
<21.863892,118.429810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.863892,118.429810,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.863892,118.429810,-0.000000>,1.500000
<22.297550,119.330887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.297550,119.330887,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.863892,118.429810,-0.000000>,1.500000
<22.645412,119.053688,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.645412,119.053688,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.611728,113.438774,-0.000000>,1.500000
<16.045387,114.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.045387,114.339851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,114.339851,-0.000000>,1.500000
<16.826906,114.963730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.826906,114.963730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.045387,114.339851,-0.000000>,1.500000
<16.479046,115.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,115.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,115.240929,-0.000000>,1.500000
<16.479046,116.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.479046,116.240929,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.479046,115.240929,-0.000000>,1.500000
<16.912704,116.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.912704,116.142006,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,116.142006,-0.000000>,1.500000
<17.694225,116.765884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.694225,116.765884,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.694225,116.765884,-0.000000>,1.500000
<18.668987,116.989136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.668987,116.989136,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.694225,116.765884,-0.000000>,1.500000
<18.475746,117.389763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.475746,117.389763,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.475746,117.389763,-0.000000>,1.500000
<18.909405,118.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.909405,118.290840,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.475746,117.389763,-0.000000>,1.500000
<19.257267,118.013641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.257267,118.013641,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.912704,116.142006,-0.000000>,1.500000
<17.346363,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.346363,117.043083,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,117.043083,-0.000000>,1.500000
<18.127884,117.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.127884,117.666962,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.346363,117.043083,-0.000000>,1.500000
<17.780024,117.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,117.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,117.944160,-0.000000>,1.500000
<17.780024,118.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,118.944160,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.780024,117.944160,-0.000000>,1.500000
<18.213682,118.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,118.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,118.845238,-0.000000>,1.500000
<18.213682,119.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,119.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,119.845238,-0.000000>,1.500000
<18.647341,120.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,120.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,119.845238,-0.000000>,1.500000
<18.213682,120.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,120.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,120.845238,-0.000000>,1.500000
<17.780024,121.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.780024,121.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,120.845238,-0.000000>,1.500000
<18.213682,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,121.845238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.213682,118.845238,-0.000000>,1.500000
<18.647341,119.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,119.746315,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,119.746315,-0.000000>,1.500000
<19.428862,120.370193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.428862,120.370193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,119.746315,-0.000000>,1.500000
<19.080999,120.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,120.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,120.647392,-0.000000>,1.500000
<19.080999,121.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,121.647392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,120.647392,-0.000000>,1.500000
<19.514660,121.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,121.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,121.548462,-0.000000>,1.500000
<19.514660,122.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,122.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,122.548462,-0.000000>,1.500000
<19.948318,123.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,123.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,122.548462,-0.000000>,1.500000
<19.514660,123.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,123.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,123.548462,-0.000000>,1.500000
<19.080999,124.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,124.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,123.548462,-0.000000>,1.500000
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
<19.948318,125.449539,-0.000000>,1.500000
<20.729839,126.073425,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.729839,126.073425,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,125.449539,-0.000000>,1.500000
<20.381977,126.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,126.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,126.350616,-0.000000>,1.500000
<20.381977,127.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,127.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,126.350616,-0.000000>,1.500000
<20.815638,127.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.815638,127.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,124.548462,-0.000000>,1.500000
<19.514660,125.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,125.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,125.548462,-0.000000>,1.500000
<19.948318,126.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,126.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,125.548462,-0.000000>,1.500000
<19.514660,126.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,126.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,126.548462,-0.000000>,1.500000
<19.080999,127.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,127.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,126.548462,-0.000000>,1.500000
<19.514660,127.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,127.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,127.548462,-0.000000>,1.500000
<19.080999,128.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,128.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,128.449539,-0.000000>,1.500000
<19.080999,129.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,129.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.080999,128.449539,-0.000000>,1.500000
<18.647341,129.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.647341,129.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,129.350616,-0.000000>,1.500000
<17.865820,129.974503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.865820,129.974503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.647341,129.350616,-0.000000>,1.500000
<18.213682,130.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.213682,130.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,127.548462,-0.000000>,1.500000
<19.514660,128.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,128.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,128.548462,-0.000000>,1.500000
<19.948318,129.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,129.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,128.548462,-0.000000>,1.500000
<19.514660,129.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,129.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,129.548462,-0.000000>,1.500000
<19.080999,130.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.080999,130.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,129.548462,-0.000000>,1.500000
<19.514660,130.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,130.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.514660,121.548462,-0.000000>,1.500000
<19.948318,122.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,122.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,122.449539,-0.000000>,1.500000
<20.729839,123.073425,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.729839,123.073425,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,122.449539,-0.000000>,1.500000
<20.381977,123.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,123.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,123.350616,-0.000000>,1.500000
<20.381977,124.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,124.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,123.350616,-0.000000>,1.500000
<20.815638,124.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.815638,124.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,124.251694,-0.000000>,1.500000
<21.597157,124.875580,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.597157,124.875580,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.597157,124.875580,-0.000000>,1.500000
<22.571918,125.098824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.571918,125.098824,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.597157,124.875580,-0.000000>,1.500000
<22.378677,125.499458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.378677,125.499458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.378677,125.499458,-0.000000>,1.500000
<22.812336,126.400536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.812336,126.400536,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.378677,125.499458,-0.000000>,1.500000
<23.160198,126.123337,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.160198,126.123337,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,124.251694,-0.000000>,1.500000
<21.249296,125.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.249296,125.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,125.152771,-0.000000>,1.500000
<22.030817,125.776657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.030817,125.776657,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,125.152771,-0.000000>,1.500000
<21.682955,126.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,126.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,126.053848,-0.000000>,1.500000
<21.682955,127.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,127.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,126.053848,-0.000000>,1.500000
<22.116613,126.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,126.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,126.954926,-0.000000>,1.500000
<22.116613,127.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,127.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,127.954926,-0.000000>,1.500000
<22.550274,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,128.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,127.954926,-0.000000>,1.500000
<22.116613,128.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,128.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,128.954926,-0.000000>,1.500000
<21.682955,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,129.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,128.954926,-0.000000>,1.500000
<22.116613,129.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,129.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,126.954926,-0.000000>,1.500000
<22.550274,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,127.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,127.856003,-0.000000>,1.500000
<23.331793,128.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.331793,128.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,127.856003,-0.000000>,1.500000
<22.983932,128.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,128.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,128.757080,-0.000000>,1.500000
<22.983932,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,129.757080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,128.757080,-0.000000>,1.500000
<23.417591,129.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,129.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,129.658157,-0.000000>,1.500000
<23.417591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,130.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,130.658157,-0.000000>,1.500000
<23.851250,131.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,131.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,130.658157,-0.000000>,1.500000
<23.417591,131.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,131.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,131.658157,-0.000000>,1.500000
<22.983932,132.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,132.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,131.658157,-0.000000>,1.500000
<23.417591,132.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,132.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,132.658157,-0.000000>,1.500000
<23.851250,133.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,133.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,133.559235,-0.000000>,1.500000
<24.632771,134.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.632771,134.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,133.559235,-0.000000>,1.500000
<24.284910,134.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,134.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,134.460312,-0.000000>,1.500000
<24.284910,135.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,135.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,134.460312,-0.000000>,1.500000
<24.718569,135.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,135.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,132.658157,-0.000000>,1.500000
<23.417591,133.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,133.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,133.658157,-0.000000>,1.500000
<23.851250,134.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,134.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,133.658157,-0.000000>,1.500000
<23.417591,134.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,134.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,134.658157,-0.000000>,1.500000
<22.983932,135.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,135.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,134.658157,-0.000000>,1.500000
<23.417591,135.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,135.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,135.658157,-0.000000>,1.500000
<22.983932,136.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,136.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,136.559235,-0.000000>,1.500000
<22.983932,137.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,137.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,136.559235,-0.000000>,1.500000
<22.550274,137.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,137.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,137.460312,-0.000000>,1.500000
<21.768753,138.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.768753,138.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,137.460312,-0.000000>,1.500000
<22.116613,138.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,138.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,135.658157,-0.000000>,1.500000
<23.417591,136.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,136.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,136.658157,-0.000000>,1.500000
<23.851250,137.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,137.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,136.658157,-0.000000>,1.500000
<23.417591,137.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,137.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,137.658157,-0.000000>,1.500000
<22.983932,138.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,138.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,137.658157,-0.000000>,1.500000
<23.417591,138.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,138.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,138.658157,-0.000000>,1.500000
<23.851250,139.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,139.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,139.559235,-0.000000>,1.500000
<24.632771,140.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.632771,140.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,139.559235,-0.000000>,1.500000
<24.284910,140.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,140.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,140.460312,-0.000000>,1.500000
<24.284910,141.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,141.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,140.460312,-0.000000>,1.500000
<24.718569,141.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,141.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,141.361389,-0.000000>,1.500000
<25.500090,141.985275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.500090,141.985275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.500090,141.985275,-0.000000>,1.500000
<26.474850,142.208527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.474850,142.208527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.500090,141.985275,-0.000000>,1.500000
<26.281609,142.609146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.281609,142.609146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.281609,142.609146,-0.000000>,1.500000
<26.715269,143.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.715269,143.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.281609,142.609146,-0.000000>,1.500000
<27.063129,143.233032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.063129,143.233032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,141.361389,-0.000000>,1.500000
<25.152227,142.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,142.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,142.262466,-0.000000>,1.500000
<25.933748,142.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.933748,142.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,142.262466,-0.000000>,1.500000
<25.585886,143.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,143.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,143.163544,-0.000000>,1.500000
<25.585886,144.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,144.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,143.163544,-0.000000>,1.500000
<26.019547,144.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,144.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,144.064621,-0.000000>,1.500000
<26.019547,145.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,145.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,145.064621,-0.000000>,1.500000
<26.453205,145.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,145.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,145.064621,-0.000000>,1.500000
<26.019547,146.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,146.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,146.064621,-0.000000>,1.500000
<25.585886,146.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,146.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,146.064621,-0.000000>,1.500000
<26.019547,147.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,147.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,144.064621,-0.000000>,1.500000
<26.453205,144.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,144.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,144.965698,-0.000000>,1.500000
<27.234726,145.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.234726,145.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,144.965698,-0.000000>,1.500000
<26.886864,145.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,145.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.886864,145.866776,-0.000000>,1.500000
<26.886864,146.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,146.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.886864,145.866776,-0.000000>,1.500000
<27.320522,146.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.320522,146.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,138.658157,-0.000000>,1.500000
<23.417591,139.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,139.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,139.658157,-0.000000>,1.500000
<23.851250,140.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,140.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,139.658157,-0.000000>,1.500000
<23.417591,140.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,140.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,140.658157,-0.000000>,1.500000
<22.983932,141.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,141.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,140.658157,-0.000000>,1.500000
<23.417591,141.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,141.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,141.658157,-0.000000>,1.500000
<23.851250,142.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,142.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,142.559235,-0.000000>,1.500000
<24.632771,143.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.632771,143.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,142.559235,-0.000000>,1.500000
<24.284910,143.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,143.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,143.460312,-0.000000>,1.500000
<24.284910,144.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,144.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,143.460312,-0.000000>,1.500000
<24.718569,144.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,144.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,141.658157,-0.000000>,1.500000
<23.417591,142.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,142.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,142.658157,-0.000000>,1.500000
<23.851250,143.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,143.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,142.658157,-0.000000>,1.500000
<23.417591,143.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,143.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,143.658157,-0.000000>,1.500000
<22.983932,144.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,144.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,143.658157,-0.000000>,1.500000
<23.417591,144.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,144.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,144.658157,-0.000000>,1.500000
<22.983932,145.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,145.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,145.559235,-0.000000>,1.500000
<22.983932,146.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,146.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,145.559235,-0.000000>,1.500000
<22.550274,146.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,146.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,146.460312,-0.000000>,1.500000
<21.768753,147.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.768753,147.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,146.460312,-0.000000>,1.500000
<22.116613,147.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,147.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,144.658157,-0.000000>,1.500000
<23.417591,145.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,145.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,145.658157,-0.000000>,1.500000
<23.851250,146.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,146.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,145.658157,-0.000000>,1.500000
<23.417591,146.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,146.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,146.658157,-0.000000>,1.500000
<22.983932,147.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,147.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,146.658157,-0.000000>,1.500000
<23.417591,147.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,147.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,147.658157,-0.000000>,1.500000
<22.983932,148.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,148.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,148.559235,-0.000000>,1.500000
<22.983932,149.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,149.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,148.559235,-0.000000>,1.500000
<22.550274,149.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,149.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,149.460312,-0.000000>,1.500000
<21.768753,150.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.768753,150.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,149.460312,-0.000000>,1.500000
<22.116613,150.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,150.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,150.361389,-0.000000>,1.500000
<22.116613,151.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,151.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,151.361389,-0.000000>,1.500000
<22.550274,152.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,152.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,151.361389,-0.000000>,1.500000
<22.116613,152.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,152.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,152.361389,-0.000000>,1.500000
<21.682955,153.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,153.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,152.361389,-0.000000>,1.500000
<22.116613,153.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,153.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.116613,150.361389,-0.000000>,1.500000
<21.682955,151.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,151.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,151.262466,-0.000000>,1.500000
<21.682955,152.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.682955,152.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.682955,151.262466,-0.000000>,1.500000
<21.249296,152.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.249296,152.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,152.163544,-0.000000>,1.500000
<20.467775,152.787430,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.467775,152.787430,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.249296,152.163544,-0.000000>,1.500000
<20.815638,153.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.815638,153.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,153.064621,-0.000000>,1.500000
<20.034117,153.688507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.034117,153.688507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.034117,153.688507,-0.000000>,1.500000
<19.600456,154.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.600456,154.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.034117,153.688507,-0.000000>,1.500000
<19.252596,154.312378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.252596,154.312378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.252596,154.312378,-0.000000>,1.500000
<18.277834,154.535629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.277834,154.535629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.252596,154.312378,-0.000000>,1.500000
<18.471075,154.936264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.471075,154.936264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.815638,153.064621,-0.000000>,1.500000
<20.381977,153.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,153.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,153.965698,-0.000000>,1.500000
<20.381977,154.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.381977,154.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.381977,153.965698,-0.000000>,1.500000
<19.948318,154.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.948318,154.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,154.866776,-0.000000>,1.500000
<19.166798,155.490662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.166798,155.490662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.948318,154.866776,-0.000000>,1.500000
<19.514660,155.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.514660,155.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,147.658157,-0.000000>,1.500000
<23.417591,148.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,148.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,148.658157,-0.000000>,1.500000
<23.851250,149.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,149.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,148.658157,-0.000000>,1.500000
<23.417591,149.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,149.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,149.658157,-0.000000>,1.500000
<22.983932,150.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,150.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,149.658157,-0.000000>,1.500000
<23.417591,150.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,150.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,150.658157,-0.000000>,1.500000
<23.851250,151.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,151.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,151.559235,-0.000000>,1.500000
<24.632771,152.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.632771,152.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,151.559235,-0.000000>,1.500000
<24.284910,152.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,152.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,152.460312,-0.000000>,1.500000
<24.284910,153.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,153.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,152.460312,-0.000000>,1.500000
<24.718569,153.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,153.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,150.658157,-0.000000>,1.500000
<23.417591,151.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,151.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,151.658157,-0.000000>,1.500000
<23.851250,152.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,152.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,151.658157,-0.000000>,1.500000
<23.417591,152.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,152.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,152.658157,-0.000000>,1.500000
<22.983932,153.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,153.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,152.658157,-0.000000>,1.500000
<23.417591,153.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,153.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,153.658157,-0.000000>,1.500000
<22.983932,154.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,154.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,154.559235,-0.000000>,1.500000
<22.983932,155.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,155.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.983932,154.559235,-0.000000>,1.500000
<22.550274,155.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.550274,155.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,155.460312,-0.000000>,1.500000
<21.768753,156.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.768753,156.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.550274,155.460312,-0.000000>,1.500000
<22.116613,156.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.116613,156.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,153.658157,-0.000000>,1.500000
<23.417591,154.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,154.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,154.658157,-0.000000>,1.500000
<23.851250,155.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,155.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,154.658157,-0.000000>,1.500000
<23.417591,155.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,155.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,155.658157,-0.000000>,1.500000
<22.983932,156.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.983932,156.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,155.658157,-0.000000>,1.500000
<23.417591,156.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.417591,156.658157,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.417591,129.658157,-0.000000>,1.500000
<23.851250,130.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.851250,130.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,130.559235,-0.000000>,1.500000
<24.632771,131.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.632771,131.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.851250,130.559235,-0.000000>,1.500000
<24.284910,131.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,131.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,131.460312,-0.000000>,1.500000
<24.284910,132.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.284910,132.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.284910,131.460312,-0.000000>,1.500000
<24.718569,132.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.718569,132.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,132.361389,-0.000000>,1.500000
<25.500090,132.985275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.500090,132.985275,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.500090,132.985275,-0.000000>,1.500000
<26.474850,133.208527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.474850,133.208527,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.500090,132.985275,-0.000000>,1.500000
<26.281609,133.609146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.281609,133.609146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.281609,133.609146,-0.000000>,1.500000
<26.715269,134.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.715269,134.510223,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.281609,133.609146,-0.000000>,1.500000
<27.063129,134.233032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.063129,134.233032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.718569,132.361389,-0.000000>,1.500000
<25.152227,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.152227,133.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,133.262466,-0.000000>,1.500000
<25.933748,133.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.933748,133.886353,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.152227,133.262466,-0.000000>,1.500000
<25.585886,134.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,134.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,134.163544,-0.000000>,1.500000
<25.585886,135.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,135.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.585886,134.163544,-0.000000>,1.500000
<26.019547,135.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,135.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,135.064621,-0.000000>,1.500000
<26.019547,136.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,136.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,136.064621,-0.000000>,1.500000
<26.453205,136.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,136.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,136.064621,-0.000000>,1.500000
<26.019547,137.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,137.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,137.064621,-0.000000>,1.500000
<25.585886,137.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.585886,137.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,137.064621,-0.000000>,1.500000
<26.019547,138.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.019547,138.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.019547,135.064621,-0.000000>,1.500000
<26.453205,135.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.453205,135.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,135.965698,-0.000000>,1.500000
<27.234726,136.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.234726,136.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.453205,135.965698,-0.000000>,1.500000
<26.886864,136.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,136.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.886864,136.866776,-0.000000>,1.500000
<26.886864,137.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.886864,137.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.886864,136.866776,-0.000000>,1.500000
<27.320522,137.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.320522,137.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.320522,137.767853,-0.000000>,1.500000
<28.102043,138.391739,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.102043,138.391739,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.102043,138.391739,-0.000000>,1.500000
<29.076805,138.614975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.076805,138.614975,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.102043,138.391739,-0.000000>,1.500000
<28.883564,139.015610,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.883564,139.015610,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.883564,139.015610,-0.000000>,1.500000
<29.317223,139.916687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.317223,139.916687,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.883564,139.015610,-0.000000>,1.500000
<29.665085,139.639496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.665085,139.639496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.665085,139.639496,-0.000000>,1.500000
<30.639845,139.862747,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.639845,139.862747,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.639845,139.862747,-0.000000>,1.500000
<31.614996,139.641190,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.614996,139.641190,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.639845,139.862747,-0.000000>,1.500000
<31.614607,140.085983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.614607,140.085983,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.614607,140.085983,-0.000000>,1.500000
<32.396126,140.709869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.396126,140.709869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.614607,140.085983,-0.000000>,1.500000
<32.589367,140.309235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.589367,140.309235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.665085,139.639496,-0.000000>,1.500000
<30.446606,140.263367,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.446606,140.263367,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.446606,140.263367,-0.000000>,1.500000
<31.421366,140.486618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.421366,140.486618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.446606,140.263367,-0.000000>,1.500000
<31.228125,140.887253,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.228125,140.887253,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.228125,140.887253,-0.000000>,1.500000
<31.661785,141.788330,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.661785,141.788330,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.228125,140.887253,-0.000000>,1.500000
<32.009647,141.511124,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.009647,141.511124,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.009647,141.511124,-0.000000>,1.500000
<32.443306,142.412201,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.443306,142.412201,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.443306,142.412201,-0.000000>,1.500000
<33.224827,143.036087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.224827,143.036087,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.443306,142.412201,-0.000000>,1.500000
<32.876965,143.313278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.876965,143.313278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.876965,143.313278,-0.000000>,1.500000
<32.876965,144.313278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.876965,144.313278,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.876965,143.313278,-0.000000>,1.500000
<33.310623,144.214355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.310623,144.214355,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.009647,141.511124,-0.000000>,1.500000
<32.791168,142.135010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.791168,142.135010,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.791168,142.135010,-0.000000>,1.500000
<33.765926,142.358261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.765926,142.358261,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.791168,142.135010,-0.000000>,1.500000
<33.572685,142.758896,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.572685,142.758896,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.572685,142.758896,-0.000000>,1.500000
<34.006348,143.659973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.006348,143.659973,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.572685,142.758896,-0.000000>,1.500000
<34.354206,143.382767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.354206,143.382767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.320522,137.767853,-0.000000>,1.500000
<27.754183,138.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.754183,138.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.754183,138.668930,-0.000000>,1.500000
<28.535702,139.292816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.535702,139.292816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.754183,138.668930,-0.000000>,1.500000
<28.187841,139.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.187841,139.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.187841,139.570007,-0.000000>,1.500000
<28.187841,140.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.187841,140.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.187841,139.570007,-0.000000>,1.500000
<28.621500,140.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.621500,140.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.621500,140.471085,-0.000000>,1.500000
<29.403021,141.094955,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.403021,141.094955,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.403021,141.094955,-0.000000>,1.500000
<30.377783,141.318207,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.377783,141.318207,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.403021,141.094955,-0.000000>,1.500000
<30.184542,141.718842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.184542,141.718842,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.184542,141.718842,-0.000000>,1.500000
<30.618200,142.619919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.618200,142.619919,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.184542,141.718842,-0.000000>,1.500000
<30.966063,142.342728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.966063,142.342728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.621500,140.471085,-0.000000>,1.500000
<29.055159,141.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.055159,141.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.055159,141.372162,-0.000000>,1.500000
<29.836679,141.996033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.836679,141.996033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.055159,141.372162,-0.000000>,1.500000
<29.488819,142.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.488819,142.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.488819,142.273239,-0.000000>,1.500000
<29.488819,143.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.488819,143.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.488819,142.273239,-0.000000>,1.500000
<29.922478,143.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,143.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,143.174316,-0.000000>,1.500000
<29.922478,144.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,144.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,144.174316,-0.000000>,1.500000
<30.356136,145.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,145.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,144.174316,-0.000000>,1.500000
<29.922478,145.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,145.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,145.174316,-0.000000>,1.500000
<29.488819,146.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.488819,146.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,145.174316,-0.000000>,1.500000
<29.922478,146.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,146.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.922478,143.174316,-0.000000>,1.500000
<30.356136,144.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,144.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,144.075394,-0.000000>,1.500000
<31.137657,144.699265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.137657,144.699265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,144.075394,-0.000000>,1.500000
<30.789795,144.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,144.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.789795,144.976471,-0.000000>,1.500000
<30.789795,145.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,145.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.789795,144.976471,-0.000000>,1.500000
<31.223455,145.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,145.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,145.877548,-0.000000>,1.500000
<31.223455,146.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,146.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,146.877548,-0.000000>,1.500000
<31.657114,147.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,147.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,146.877548,-0.000000>,1.500000
<31.223455,147.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,147.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,147.877548,-0.000000>,1.500000
<30.789795,148.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,148.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,147.877548,-0.000000>,1.500000
<31.223455,148.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,148.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,148.877548,-0.000000>,1.500000
<31.657114,149.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,149.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657114,149.778625,-0.000000>,1.500000
<32.438633,150.402496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.438633,150.402496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657114,149.778625,-0.000000>,1.500000
<32.090775,150.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,150.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.090775,150.679703,-0.000000>,1.500000
<32.090775,151.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,151.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.090775,150.679703,-0.000000>,1.500000
<32.524433,151.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.524433,151.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,148.877548,-0.000000>,1.500000
<31.223455,149.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,149.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,149.877548,-0.000000>,1.500000
<31.657114,150.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,150.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,149.877548,-0.000000>,1.500000
<31.223455,150.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,150.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,150.877548,-0.000000>,1.500000
<30.789795,151.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,151.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,150.877548,-0.000000>,1.500000
<31.223455,151.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,151.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,151.877548,-0.000000>,1.500000
<30.789795,152.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,152.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.789795,152.778625,-0.000000>,1.500000
<30.789795,153.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,153.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.789795,152.778625,-0.000000>,1.500000
<30.356136,153.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.356136,153.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,153.679703,-0.000000>,1.500000
<29.574615,154.303574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.574615,154.303574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.356136,153.679703,-0.000000>,1.500000
<29.922478,154.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.922478,154.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,151.877548,-0.000000>,1.500000
<31.223455,152.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,152.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,152.877548,-0.000000>,1.500000
<31.657114,153.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,153.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,152.877548,-0.000000>,1.500000
<31.223455,153.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,153.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,153.877548,-0.000000>,1.500000
<30.789795,154.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.789795,154.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,153.877548,-0.000000>,1.500000
<31.223455,154.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.223455,154.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.223455,145.877548,-0.000000>,1.500000
<31.657114,146.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657114,146.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657114,146.778625,-0.000000>,1.500000
<32.438633,147.402496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.438633,147.402496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657114,146.778625,-0.000000>,1.500000
<32.090775,147.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,147.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.090775,147.679703,-0.000000>,1.500000
<32.090775,148.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.090775,148.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.090775,147.679703,-0.000000>,1.500000
<32.524433,148.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.524433,148.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.524433,148.580780,-0.000000>,1.500000
<33.305954,149.204651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.305954,149.204651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.305954,149.204651,-0.000000>,1.500000
<34.280712,149.427902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.280712,149.427902,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.305954,149.204651,-0.000000>,1.500000
<34.087475,149.828537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.087475,149.828537,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.087475,149.828537,-0.000000>,1.500000
<34.521133,150.729614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.521133,150.729614,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.087475,149.828537,-0.000000>,1.500000
<34.868992,150.452408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.868992,150.452408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.524433,148.580780,-0.000000>,1.500000
<32.958092,149.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.958092,149.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,149.481857,-0.000000>,1.500000
<33.739613,150.105728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.739613,150.105728,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.958092,149.481857,-0.000000>,1.500000
<33.391750,150.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,150.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.391750,150.382935,-0.000000>,1.500000
<33.391750,151.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,151.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.391750,150.382935,-0.000000>,1.500000
<33.825409,151.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,151.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,151.284012,-0.000000>,1.500000
<33.825409,152.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,152.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,152.284012,-0.000000>,1.500000
<34.259068,153.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.259068,153.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,152.284012,-0.000000>,1.500000
<33.825409,153.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,153.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,153.284012,-0.000000>,1.500000
<33.391750,154.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.391750,154.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,153.284012,-0.000000>,1.500000
<33.825409,154.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.825409,154.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.825409,151.284012,-0.000000>,1.500000
<34.259068,152.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.259068,152.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.259068,152.185089,-0.000000>,1.500000
<35.040588,152.808960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.040588,152.808960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.259068,152.185089,-0.000000>,1.500000
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
<34.692726,153.086166,-0.000000>,1.500000
<35.126389,153.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.126389,153.987244,-0.000000>,1.500000
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
<0.433659,82.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,82.901077,-0.000000>,1.500000
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
<-0.433659,83.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,83.901077,-0.000000>,1.500000
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
<0.433659,84.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,84.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,84.901077,-0.000000>,1.500000
<1.215180,85.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,85.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,84.901077,-0.000000>,1.500000
<0.867318,85.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,85.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,85.802155,-0.000000>,1.500000
<0.867318,86.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,86.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,85.802155,-0.000000>,1.500000
<1.300977,86.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,86.703232,-0.000000>,1.500000
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
<0.433659,85.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,85.901077,-0.000000>,1.500000
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
<-0.433659,86.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,86.901077,-0.000000>,1.500000
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
<-0.433659,87.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,87.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,87.901077,-0.000000>,1.500000
<-0.433659,88.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,88.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,87.901077,-0.000000>,1.500000
<-0.867318,88.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,88.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,88.802155,-0.000000>,1.500000
<-1.648839,89.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,89.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,88.802155,-0.000000>,1.500000
<-1.300977,89.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,89.703232,-0.000000>,1.500000
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
<0.433659,88.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,88.901077,-0.000000>,1.500000
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
<-0.433659,89.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,89.901077,-0.000000>,1.500000
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
<0.433659,90.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,90.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,90.901077,-0.000000>,1.500000
<1.215180,91.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,91.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,90.901077,-0.000000>,1.500000
<0.867318,91.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,91.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,91.802155,-0.000000>,1.500000
<0.867318,92.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,92.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,91.802155,-0.000000>,1.500000
<1.300977,92.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,92.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,92.703232,-0.000000>,1.500000
<2.082498,93.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,93.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,93.327110,-0.000000>,1.500000
<3.057259,93.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,93.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,93.327110,-0.000000>,1.500000
<2.864018,93.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,93.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,93.950989,-0.000000>,1.500000
<3.297677,94.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,94.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,93.950989,-0.000000>,1.500000
<3.645539,94.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,94.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,92.703232,-0.000000>,1.500000
<1.734636,93.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,93.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,93.604309,-0.000000>,1.500000
<2.516157,94.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,94.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,93.604309,-0.000000>,1.500000
<2.168295,94.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,94.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,94.505386,-0.000000>,1.500000
<2.168295,95.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,95.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,94.505386,-0.000000>,1.500000
<2.601955,95.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,95.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,95.406464,-0.000000>,1.500000
<2.601955,96.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,96.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,96.406464,-0.000000>,1.500000
<3.035614,97.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,97.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,96.406464,-0.000000>,1.500000
<2.601955,97.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,97.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,97.406464,-0.000000>,1.500000
<2.168295,98.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,98.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,97.406464,-0.000000>,1.500000
<2.601955,98.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,98.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,95.406464,-0.000000>,1.500000
<3.035614,96.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,96.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,96.307541,-0.000000>,1.500000
<3.817134,96.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,96.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,96.307541,-0.000000>,1.500000
<3.469273,97.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,97.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,97.208618,-0.000000>,1.500000
<3.469273,98.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,98.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,97.208618,-0.000000>,1.500000
<3.902932,98.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,98.109695,-0.000000>,1.500000
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
<0.433659,91.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,91.901077,-0.000000>,1.500000
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
<-0.433659,92.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,92.901077,-0.000000>,1.500000
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
<0.433659,93.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,93.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,93.901077,-0.000000>,1.500000
<1.215180,94.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,94.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,93.901077,-0.000000>,1.500000
<0.867318,94.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,94.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,94.802155,-0.000000>,1.500000
<0.867318,95.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,95.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,94.802155,-0.000000>,1.500000
<1.300977,95.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,95.703232,-0.000000>,1.500000
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
<0.433659,94.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,94.901077,-0.000000>,1.500000
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
<-0.433659,95.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,95.901077,-0.000000>,1.500000
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
<-0.433659,96.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,96.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,96.901077,-0.000000>,1.500000
<-0.433659,97.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,97.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,96.901077,-0.000000>,1.500000
<-0.867318,97.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,97.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,97.802155,-0.000000>,1.500000
<-1.648839,98.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,98.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,97.802155,-0.000000>,1.500000
<-1.300977,98.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,98.703232,-0.000000>,1.500000
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
<0.433659,97.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,97.901077,-0.000000>,1.500000
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
<-0.433659,98.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,98.901077,-0.000000>,1.500000
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
<-0.433659,99.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,99.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,99.901077,-0.000000>,1.500000
<-0.433659,100.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,100.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,99.901077,-0.000000>,1.500000
<-0.867318,100.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,100.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,100.802155,-0.000000>,1.500000
<-1.648839,101.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,101.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,100.802155,-0.000000>,1.500000
<-1.300977,101.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,101.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,101.703232,-0.000000>,1.500000
<-1.300977,102.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,102.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,102.703232,-0.000000>,1.500000
<-0.867318,103.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,103.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,102.703232,-0.000000>,1.500000
<-1.300977,103.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,103.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,103.703232,-0.000000>,1.500000
<-1.734636,104.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,104.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,103.703232,-0.000000>,1.500000
<-1.300977,104.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,104.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,101.703232,-0.000000>,1.500000
<-1.734636,102.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,102.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,102.604309,-0.000000>,1.500000
<-1.734636,103.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,103.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,102.604309,-0.000000>,1.500000
<-2.168295,103.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,103.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,103.505386,-0.000000>,1.500000
<-2.949816,104.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,104.129265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,103.505386,-0.000000>,1.500000
<-2.601955,104.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,104.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,104.406464,-0.000000>,1.500000
<-3.383475,105.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,105.030342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,105.030342,-0.000000>,1.500000
<-3.817134,105.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,105.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,105.030342,-0.000000>,1.500000
<-4.164996,105.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,105.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,105.654221,-0.000000>,1.500000
<-5.139757,105.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,105.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,105.654221,-0.000000>,1.500000
<-4.946516,106.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,106.278099,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,104.406464,-0.000000>,1.500000
<-3.035614,105.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,105.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,105.307541,-0.000000>,1.500000
<-3.035614,106.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,106.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,105.307541,-0.000000>,1.500000
<-3.469273,106.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,106.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,106.208618,-0.000000>,1.500000
<-4.250793,106.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,106.832497,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,106.208618,-0.000000>,1.500000
<-3.902932,107.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,107.109695,-0.000000>,1.500000
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
<0.433659,100.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,100.901077,-0.000000>,1.500000
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
<-0.433659,101.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,101.901077,-0.000000>,1.500000
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
<0.433659,102.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,102.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,102.901077,-0.000000>,1.500000
<1.215180,103.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,103.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,102.901077,-0.000000>,1.500000
<0.867318,103.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,103.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,103.802155,-0.000000>,1.500000
<0.867318,104.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,104.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,103.802155,-0.000000>,1.500000
<1.300977,104.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,104.703232,-0.000000>,1.500000
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
<0.433659,103.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,103.901077,-0.000000>,1.500000
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
<-0.433659,104.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,104.901077,-0.000000>,1.500000
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
<-0.433659,105.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,105.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,105.901077,-0.000000>,1.500000
<-0.433659,106.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,106.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,105.901077,-0.000000>,1.500000
<-0.867318,106.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,106.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,106.802155,-0.000000>,1.500000
<-1.648839,107.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,107.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,106.802155,-0.000000>,1.500000
<-1.300977,107.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,107.703232,-0.000000>,1.500000
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
<0.433659,106.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,106.901077,-0.000000>,1.500000
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
<-0.433659,107.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,107.901077,-0.000000>,1.500000
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
<0.433659,108.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,108.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,108.901077,-0.000000>,1.500000
<1.215180,109.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,109.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,108.901077,-0.000000>,1.500000
<0.867318,109.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,109.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,109.802155,-0.000000>,1.500000
<0.867318,110.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,110.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,109.802155,-0.000000>,1.500000
<1.300977,110.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,110.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,110.703232,-0.000000>,1.500000
<2.082498,111.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,111.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,111.327110,-0.000000>,1.500000
<3.057259,111.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,111.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,111.327110,-0.000000>,1.500000
<2.864018,111.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,111.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,111.950989,-0.000000>,1.500000
<3.297677,112.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,112.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,111.950989,-0.000000>,1.500000
<3.645539,112.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,112.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,110.703232,-0.000000>,1.500000
<1.734636,111.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,111.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,111.604309,-0.000000>,1.500000
<2.516157,112.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,112.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,111.604309,-0.000000>,1.500000
<2.168295,112.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,112.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,112.505386,-0.000000>,1.500000
<2.168295,113.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,113.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,112.505386,-0.000000>,1.500000
<2.601955,113.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,113.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,113.406464,-0.000000>,1.500000
<2.601955,114.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,114.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,114.406464,-0.000000>,1.500000
<3.035614,115.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,115.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,114.406464,-0.000000>,1.500000
<2.601955,115.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,115.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,115.406464,-0.000000>,1.500000
<2.168295,116.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,116.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,115.406464,-0.000000>,1.500000
<2.601955,116.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,116.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,113.406464,-0.000000>,1.500000
<3.035614,114.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,114.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,114.307541,-0.000000>,1.500000
<3.817134,114.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,114.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,114.307541,-0.000000>,1.500000
<3.469273,115.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,115.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,115.208618,-0.000000>,1.500000
<3.469273,116.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,116.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,115.208618,-0.000000>,1.500000
<3.902932,116.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,116.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,116.109695,-0.000000>,1.500000
<4.684453,116.733574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.684453,116.733574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,116.733574,-0.000000>,1.500000
<5.659214,116.956825,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.659214,116.956825,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,116.733574,-0.000000>,1.500000
<5.465973,117.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.465973,117.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,117.357452,-0.000000>,1.500000
<5.899632,118.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899632,118.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,117.357452,-0.000000>,1.500000
<6.247493,117.981331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.247493,117.981331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,117.981331,-0.000000>,1.500000
<7.222255,118.204582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.222255,118.204582,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,118.204582,-0.000000>,1.500000
<8.197404,117.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197404,117.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,118.204582,-0.000000>,1.500000
<8.197016,118.427834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197016,118.427834,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,118.427834,-0.000000>,1.500000
<8.978537,119.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.978537,119.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,118.427834,-0.000000>,1.500000
<9.171777,118.651085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.171777,118.651085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,117.981331,-0.000000>,1.500000
<7.029014,118.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.029014,118.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,118.605209,-0.000000>,1.500000
<8.003775,118.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.003775,118.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,118.605209,-0.000000>,1.500000
<7.810534,119.229088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.810534,119.229088,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,119.229088,-0.000000>,1.500000
<8.244193,120.130165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244193,120.130165,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,119.229088,-0.000000>,1.500000
<8.592054,119.852974,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.592054,119.852974,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,119.852974,-0.000000>,1.500000
<9.025714,120.754051,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.025714,120.754051,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,120.754051,-0.000000>,1.500000
<9.807235,121.377930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.807235,121.377930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,120.754051,-0.000000>,1.500000
<9.459373,121.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,121.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,121.655121,-0.000000>,1.500000
<9.459373,122.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,122.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,121.655121,-0.000000>,1.500000
<9.893032,122.556198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.893032,122.556198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,119.852974,-0.000000>,1.500000
<9.373575,120.476852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.373575,120.476852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,120.476852,-0.000000>,1.500000
<10.348336,120.700104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.348336,120.700104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,120.476852,-0.000000>,1.500000
<10.155096,121.100731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.155096,121.100731,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,121.100731,-0.000000>,1.500000
<10.588755,122.001808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.588755,122.001808,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,121.100731,-0.000000>,1.500000
<10.936616,121.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.936616,121.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,116.109695,-0.000000>,1.500000
<4.336591,117.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,117.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,117.010773,-0.000000>,1.500000
<5.118112,117.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.118112,117.634651,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,117.010773,-0.000000>,1.500000
<4.770250,117.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,117.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,117.911850,-0.000000>,1.500000
<4.770250,118.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,118.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,117.911850,-0.000000>,1.500000
<5.203909,118.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,118.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,118.812927,-0.000000>,1.500000
<5.985430,119.436806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.985430,119.436806,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,119.436806,-0.000000>,1.500000
<6.960191,119.660057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.960191,119.660057,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,119.436806,-0.000000>,1.500000
<6.766950,120.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.766950,120.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,120.060684,-0.000000>,1.500000
<7.200609,120.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.200609,120.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,120.060684,-0.000000>,1.500000
<7.548470,120.684563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.548470,120.684563,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,118.812927,-0.000000>,1.500000
<5.637568,119.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,119.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,119.714005,-0.000000>,1.500000
<6.419089,120.337883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.419089,120.337883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,119.714005,-0.000000>,1.500000
<6.071228,120.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,120.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,120.615082,-0.000000>,1.500000
<6.071228,121.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,121.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,120.615082,-0.000000>,1.500000
<6.504887,121.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,121.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,121.516151,-0.000000>,1.500000
<6.504887,122.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,122.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,122.516151,-0.000000>,1.500000
<6.938546,123.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,123.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,122.516151,-0.000000>,1.500000
<6.504887,123.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,123.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,123.516151,-0.000000>,1.500000
<6.071228,124.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,124.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,123.516151,-0.000000>,1.500000
<6.504887,124.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,124.516151,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,121.516151,-0.000000>,1.500000
<6.938546,122.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,122.417229,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,122.417229,-0.000000>,1.500000
<7.720066,123.041115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.720066,123.041115,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,122.417229,-0.000000>,1.500000
<7.372205,123.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,123.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,123.318306,-0.000000>,1.500000
<7.372205,124.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,124.318306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,123.318306,-0.000000>,1.500000
<7.805864,124.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,124.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,124.219383,-0.000000>,1.500000
<7.805864,125.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,125.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,125.219383,-0.000000>,1.500000
<8.239523,126.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,126.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,125.219383,-0.000000>,1.500000
<7.805864,126.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,126.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,126.219383,-0.000000>,1.500000
<7.372205,127.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,127.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,126.219383,-0.000000>,1.500000
<7.805864,127.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,127.219383,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,127.219383,-0.000000>,1.500000
<8.239523,128.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,128.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,128.120468,-0.000000>,1.500000
<9.021044,128.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,128.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,128.120468,-0.000000>,1.500000
<8.673182,129.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,129.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,129.021545,-0.000000>,1.500000
<8.673182,130.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,130.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,129.021545,-0.000000>,1.500000
<9.106841,129.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,129.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,127.219383,-0.000000>,1.500000
<7.805864,128.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,128.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,128.219391,-0.000000>,1.500000
<8.239523,129.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,129.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,128.219391,-0.000000>,1.500000
<7.805864,129.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,129.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,129.219391,-0.000000>,1.500000
<7.372205,130.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,130.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,129.219391,-0.000000>,1.500000
<7.805864,130.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,130.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,130.219391,-0.000000>,1.500000
<7.372205,131.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,131.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,131.120468,-0.000000>,1.500000
<7.372205,132.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,132.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,131.120468,-0.000000>,1.500000
<6.938546,132.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,132.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,132.021545,-0.000000>,1.500000
<6.157025,132.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.157025,132.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,132.021545,-0.000000>,1.500000
<6.504887,132.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,132.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,130.219391,-0.000000>,1.500000
<7.805864,131.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,131.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,131.219391,-0.000000>,1.500000
<8.239523,132.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,132.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,131.219391,-0.000000>,1.500000
<7.805864,132.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,132.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,132.219391,-0.000000>,1.500000
<7.372205,133.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,133.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,132.219391,-0.000000>,1.500000
<7.805864,133.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,133.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,124.219383,-0.000000>,1.500000
<8.239523,125.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,125.120461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,125.120461,-0.000000>,1.500000
<9.021044,125.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,125.744347,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,125.120461,-0.000000>,1.500000
<8.673182,126.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,126.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,126.021538,-0.000000>,1.500000
<8.673182,127.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,127.021538,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,126.021538,-0.000000>,1.500000
<9.106841,126.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,126.922615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,126.922615,-0.000000>,1.500000
<9.888362,127.546494,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.888362,127.546494,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,127.546494,-0.000000>,1.500000
<10.863123,127.769745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.863123,127.769745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,127.546494,-0.000000>,1.500000
<10.669882,128.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.669882,128.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,128.170380,-0.000000>,1.500000
<11.103541,129.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.103541,129.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,128.170380,-0.000000>,1.500000
<11.451403,128.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.451403,128.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,126.922615,-0.000000>,1.500000
<9.540500,127.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,127.823692,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,127.823692,-0.000000>,1.500000
<10.322021,128.447571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.322021,128.447571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,127.823692,-0.000000>,1.500000
<9.974159,128.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,128.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,128.724777,-0.000000>,1.500000
<9.974159,129.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,129.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,128.724777,-0.000000>,1.500000
<10.407819,129.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,129.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,129.625854,-0.000000>,1.500000
<10.407819,130.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,130.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,130.625854,-0.000000>,1.500000
<10.841477,131.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,131.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,130.625854,-0.000000>,1.500000
<10.407819,131.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,131.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,131.625854,-0.000000>,1.500000
<9.974159,132.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,132.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,131.625854,-0.000000>,1.500000
<10.407819,132.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,132.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,129.625854,-0.000000>,1.500000
<10.841477,130.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,130.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,130.526932,-0.000000>,1.500000
<11.622998,131.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.622998,131.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,130.526932,-0.000000>,1.500000
<11.275137,131.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,131.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,131.428009,-0.000000>,1.500000
<11.275137,132.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,132.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,131.428009,-0.000000>,1.500000
<11.708796,132.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,132.329086,-0.000000>,1.500000
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
<0.433659,109.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,109.901077,-0.000000>,1.500000
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
<-0.433659,110.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,110.901077,-0.000000>,1.500000
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
<0.433659,111.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,111.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,111.901077,-0.000000>,1.500000
<1.215180,112.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,112.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,111.901077,-0.000000>,1.500000
<0.867318,112.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,112.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,112.802155,-0.000000>,1.500000
<0.867318,113.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,113.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,112.802155,-0.000000>,1.500000
<1.300977,113.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,113.703232,-0.000000>,1.500000
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
<0.433659,112.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,112.901077,-0.000000>,1.500000
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
<-0.433659,113.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,113.901077,-0.000000>,1.500000
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
<-0.433659,114.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,114.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,114.901077,-0.000000>,1.500000
<-0.433659,115.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,115.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,114.901077,-0.000000>,1.500000
<-0.867318,115.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,115.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,115.802155,-0.000000>,1.500000
<-1.648839,116.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,116.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,115.802155,-0.000000>,1.500000
<-1.300977,116.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,116.703232,-0.000000>,1.500000
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
<0.433659,115.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,115.901077,-0.000000>,1.500000
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
<-0.433659,116.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,116.901077,-0.000000>,1.500000
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
<0.433659,117.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,117.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,117.901077,-0.000000>,1.500000
<1.215180,118.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,118.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,117.901077,-0.000000>,1.500000
<0.867318,118.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,118.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,118.802155,-0.000000>,1.500000
<0.867318,119.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,119.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,118.802155,-0.000000>,1.500000
<1.300977,119.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,119.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,119.703232,-0.000000>,1.500000
<2.082498,120.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,120.327110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,120.327110,-0.000000>,1.500000
<3.057259,120.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,120.550362,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,120.327110,-0.000000>,1.500000
<2.864018,120.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,120.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,120.950989,-0.000000>,1.500000
<3.297677,121.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,121.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,120.950989,-0.000000>,1.500000
<3.645539,121.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,121.574867,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,119.703232,-0.000000>,1.500000
<1.734636,120.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,120.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,120.604309,-0.000000>,1.500000
<2.516157,121.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,121.228188,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,120.604309,-0.000000>,1.500000
<2.168295,121.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,121.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,121.505386,-0.000000>,1.500000
<2.168295,122.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,122.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,121.505386,-0.000000>,1.500000
<2.601955,122.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,122.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,122.406464,-0.000000>,1.500000
<2.601955,123.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,123.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,123.406464,-0.000000>,1.500000
<3.035614,124.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,124.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,123.406464,-0.000000>,1.500000
<2.601955,124.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,124.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,124.406464,-0.000000>,1.500000
<2.168295,125.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,125.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,124.406464,-0.000000>,1.500000
<2.601955,125.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,125.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,122.406464,-0.000000>,1.500000
<3.035614,123.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,123.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,123.307541,-0.000000>,1.500000
<3.817134,123.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,123.931419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,123.307541,-0.000000>,1.500000
<3.469273,124.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,124.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,124.208618,-0.000000>,1.500000
<3.469273,125.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,125.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,124.208618,-0.000000>,1.500000
<3.902932,125.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,125.109695,-0.000000>,1.500000
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
<0.433659,118.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,118.901077,-0.000000>,1.500000
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
<-0.433659,119.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,119.901077,-0.000000>,1.500000
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
<0.433659,120.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,120.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,120.901077,-0.000000>,1.500000
<1.215180,121.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,121.524956,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,120.901077,-0.000000>,1.500000
<0.867318,121.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,121.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,121.802155,-0.000000>,1.500000
<0.867318,122.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,122.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,121.802155,-0.000000>,1.500000
<1.300977,122.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,122.703232,-0.000000>,1.500000
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
<0.433659,121.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,121.901077,-0.000000>,1.500000
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
<-0.433659,122.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,122.901077,-0.000000>,1.500000
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
<-0.433659,123.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,123.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,123.901077,-0.000000>,1.500000
<-0.433659,124.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,124.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,123.901077,-0.000000>,1.500000
<-0.867318,124.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,124.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,124.802155,-0.000000>,1.500000
<-1.648839,125.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,125.426033,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,124.802155,-0.000000>,1.500000
<-1.300977,125.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,125.703232,-0.000000>,1.500000
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
<0.433659,124.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,124.901077,-0.000000>,1.500000
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
<-0.433659,125.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,125.901077,-0.000000>,1.500000
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
<-0.433659,126.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,126.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,126.901077,-0.000000>,1.500000
<-0.433659,127.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,127.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,126.901077,-0.000000>,1.500000
<-0.867318,127.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,127.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,127.802155,-0.000000>,1.500000
<-1.648839,128.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,128.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,127.802155,-0.000000>,1.500000
<-1.300977,128.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,128.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,128.703232,-0.000000>,1.500000
<-1.300977,129.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,129.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,129.703232,-0.000000>,1.500000
<-0.867318,130.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,130.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,129.703232,-0.000000>,1.500000
<-1.300977,130.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,130.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,130.703232,-0.000000>,1.500000
<-1.734636,131.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,131.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,130.703232,-0.000000>,1.500000
<-1.300977,131.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,131.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,128.703232,-0.000000>,1.500000
<-1.734636,129.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,129.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,129.604309,-0.000000>,1.500000
<-1.734636,130.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,130.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,129.604309,-0.000000>,1.500000
<-2.168295,130.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,130.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,130.505386,-0.000000>,1.500000
<-2.949816,131.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,131.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,130.505386,-0.000000>,1.500000
<-2.601955,131.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,131.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,131.406464,-0.000000>,1.500000
<-3.383475,132.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,132.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,132.030334,-0.000000>,1.500000
<-3.817134,132.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,132.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,132.030334,-0.000000>,1.500000
<-4.164996,132.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,132.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,132.654221,-0.000000>,1.500000
<-5.139757,132.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,132.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,132.654221,-0.000000>,1.500000
<-4.946516,133.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,133.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,131.406464,-0.000000>,1.500000
<-3.035614,132.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,132.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,132.307541,-0.000000>,1.500000
<-3.035614,133.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,133.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,132.307541,-0.000000>,1.500000
<-3.469273,133.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,133.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,133.208618,-0.000000>,1.500000
<-4.250793,133.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,133.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,133.208618,-0.000000>,1.500000
<-3.902932,134.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,134.109695,-0.000000>,1.500000
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
<0.433659,127.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,127.901077,-0.000000>,1.500000
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
<-0.433659,128.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,128.901077,-0.000000>,1.500000
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
<0.433659,129.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,129.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,129.901077,-0.000000>,1.500000
<1.215180,130.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,130.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,129.901077,-0.000000>,1.500000
<0.867318,130.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,130.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,130.802155,-0.000000>,1.500000
<0.867318,131.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,131.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,130.802155,-0.000000>,1.500000
<1.300977,131.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,131.703232,-0.000000>,1.500000
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
<0.433659,130.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,130.901077,-0.000000>,1.500000
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
<-0.433659,131.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,131.901077,-0.000000>,1.500000
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
<-0.433659,132.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,132.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,132.901077,-0.000000>,1.500000
<-0.433659,133.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,133.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,132.901077,-0.000000>,1.500000
<-0.867318,133.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,133.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,133.802155,-0.000000>,1.500000
<-1.648839,134.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,134.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,133.802155,-0.000000>,1.500000
<-1.300977,134.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,134.703232,-0.000000>,1.500000
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
<0.433659,133.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,133.901077,-0.000000>,1.500000
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
<-0.433659,134.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,134.901077,-0.000000>,1.500000
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
<-0.433659,135.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,135.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,135.901077,-0.000000>,1.500000
<-0.433659,136.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,136.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,135.901077,-0.000000>,1.500000
<-0.867318,136.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,136.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,136.802155,-0.000000>,1.500000
<-1.648839,137.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,137.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,136.802155,-0.000000>,1.500000
<-1.300977,137.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,137.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,137.703232,-0.000000>,1.500000
<-1.300977,138.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,138.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,138.703232,-0.000000>,1.500000
<-0.867318,139.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,139.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,138.703232,-0.000000>,1.500000
<-1.300977,139.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,139.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,139.703232,-0.000000>,1.500000
<-1.734636,140.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,140.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,139.703232,-0.000000>,1.500000
<-1.300977,140.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,140.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,137.703232,-0.000000>,1.500000
<-1.734636,138.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,138.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,138.604309,-0.000000>,1.500000
<-1.734636,139.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,139.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,138.604309,-0.000000>,1.500000
<-2.168295,139.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,139.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,139.505386,-0.000000>,1.500000
<-2.949816,140.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,140.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,139.505386,-0.000000>,1.500000
<-2.601955,140.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,140.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,140.406464,-0.000000>,1.500000
<-3.383475,141.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,141.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,141.030334,-0.000000>,1.500000
<-3.817134,141.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,141.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,141.030334,-0.000000>,1.500000
<-4.164996,141.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,141.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,141.654221,-0.000000>,1.500000
<-5.139757,141.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,141.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,141.654221,-0.000000>,1.500000
<-4.946516,142.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,142.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,140.406464,-0.000000>,1.500000
<-3.035614,141.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,141.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,141.307541,-0.000000>,1.500000
<-3.035614,142.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,142.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,141.307541,-0.000000>,1.500000
<-3.469273,142.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,142.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,142.208618,-0.000000>,1.500000
<-4.250793,142.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,142.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,142.208618,-0.000000>,1.500000
<-3.902932,143.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,143.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,143.109695,-0.000000>,1.500000
<-3.902932,144.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,144.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,144.109695,-0.000000>,1.500000
<-3.469273,145.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,145.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,144.109695,-0.000000>,1.500000
<-3.902932,145.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,145.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,145.109695,-0.000000>,1.500000
<-4.336591,146.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,146.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,145.109695,-0.000000>,1.500000
<-3.902932,146.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,146.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,146.109695,-0.000000>,1.500000
<-3.469273,147.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,147.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,147.010773,-0.000000>,1.500000
<-2.687752,147.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.687752,147.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,147.010773,-0.000000>,1.500000
<-3.035614,147.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,147.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,147.911850,-0.000000>,1.500000
<-3.035614,148.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,148.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,147.911850,-0.000000>,1.500000
<-2.601955,148.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,148.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,146.109695,-0.000000>,1.500000
<-3.902932,147.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,147.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,147.109695,-0.000000>,1.500000
<-3.469273,148.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,148.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,147.109695,-0.000000>,1.500000
<-3.902932,148.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,148.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,148.109695,-0.000000>,1.500000
<-4.336591,149.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,149.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,148.109695,-0.000000>,1.500000
<-3.902932,149.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,149.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,149.109695,-0.000000>,1.500000
<-4.336591,150.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,150.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,150.010773,-0.000000>,1.500000
<-4.336591,151.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,151.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,150.010773,-0.000000>,1.500000
<-4.770250,150.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,150.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,150.911850,-0.000000>,1.500000
<-5.551771,151.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,151.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,150.911850,-0.000000>,1.500000
<-5.203909,151.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,151.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,149.109695,-0.000000>,1.500000
<-3.902932,150.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,150.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,150.109695,-0.000000>,1.500000
<-3.469273,151.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,151.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,150.109695,-0.000000>,1.500000
<-3.902932,151.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,151.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,151.109695,-0.000000>,1.500000
<-4.336591,152.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,152.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,151.109695,-0.000000>,1.500000
<-3.902932,152.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,152.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,143.109695,-0.000000>,1.500000
<-4.336591,144.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,144.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,144.010773,-0.000000>,1.500000
<-4.336591,145.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,145.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,144.010773,-0.000000>,1.500000
<-4.770250,144.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,144.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,144.911850,-0.000000>,1.500000
<-5.551771,145.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,145.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,144.911850,-0.000000>,1.500000
<-5.203909,145.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,145.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,145.812927,-0.000000>,1.500000
<-5.203909,146.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,146.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,146.812927,-0.000000>,1.500000
<-4.770250,147.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,147.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,146.812927,-0.000000>,1.500000
<-5.203909,147.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,147.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,147.812927,-0.000000>,1.500000
<-5.637568,148.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,148.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,147.812927,-0.000000>,1.500000
<-5.203909,148.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,148.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,145.812927,-0.000000>,1.500000
<-5.637568,146.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,146.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,146.714005,-0.000000>,1.500000
<-5.637568,147.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,147.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,146.714005,-0.000000>,1.500000
<-6.071228,147.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,147.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,147.615082,-0.000000>,1.500000
<-6.852748,148.238953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.852748,148.238953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,147.615082,-0.000000>,1.500000
<-6.504887,148.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,148.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,148.516159,-0.000000>,1.500000
<-7.286407,149.140030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.286407,149.140030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,149.140030,-0.000000>,1.500000
<-7.720066,150.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.720066,150.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,149.140030,-0.000000>,1.500000
<-8.067927,149.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.067927,149.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,149.763916,-0.000000>,1.500000
<-9.042688,149.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042688,149.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,149.763916,-0.000000>,1.500000
<-8.849448,150.387787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.849448,150.387787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,148.516159,-0.000000>,1.500000
<-6.938546,149.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,149.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,149.417236,-0.000000>,1.500000
<-6.938546,150.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,150.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,149.417236,-0.000000>,1.500000
<-7.372205,150.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,150.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,150.318314,-0.000000>,1.500000
<-8.153725,150.942184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.153725,150.942184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,150.318314,-0.000000>,1.500000
<-7.805864,151.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,151.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,151.219391,-0.000000>,1.500000
<-8.587384,151.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.587384,151.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,151.843262,-0.000000>,1.500000
<-9.021044,152.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.021044,152.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,151.843262,-0.000000>,1.500000
<-9.368905,152.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.368905,152.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,152.467148,-0.000000>,1.500000
<-10.343666,152.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.343666,152.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,152.467148,-0.000000>,1.500000
<-10.150425,153.091019,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.150425,153.091019,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,153.091019,-0.000000>,1.500000
<-10.584085,153.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,153.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,153.992096,-0.000000>,1.500000
<-10.584085,154.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,154.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,153.992096,-0.000000>,1.500000
<-11.017743,154.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017743,154.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,154.893173,-0.000000>,1.500000
<-11.799264,155.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799264,155.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,154.893173,-0.000000>,1.500000
<-11.451403,155.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.451403,155.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,153.091019,-0.000000>,1.500000
<-10.931946,153.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.931946,153.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,153.714905,-0.000000>,1.500000
<-11.365604,154.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.365604,154.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,153.714905,-0.000000>,1.500000
<-11.713467,154.338791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.713467,154.338791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,154.338791,-0.000000>,1.500000
<-12.688228,154.562027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.688228,154.562027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,154.338791,-0.000000>,1.500000
<-12.494987,154.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.494987,154.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,154.962662,-0.000000>,1.500000
<-13.469748,155.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.469748,155.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,155.185913,-0.000000>,1.500000
<-14.251268,155.809799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.251268,155.809799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,155.185913,-0.000000>,1.500000
<-14.444510,155.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.444510,155.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,155.409164,-0.000000>,1.500000
<-15.419659,155.187622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419659,155.187622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,155.409164,-0.000000>,1.500000
<-15.419271,155.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419271,155.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,154.962662,-0.000000>,1.500000
<-13.276507,155.586548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.276507,155.586548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,155.586548,-0.000000>,1.500000
<-13.710166,156.487625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.710166,156.487625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,155.586548,-0.000000>,1.500000
<-14.058027,156.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.058027,156.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,156.210419,-0.000000>,1.500000
<-15.032789,156.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.032789,156.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,156.210419,-0.000000>,1.500000
<-14.839548,156.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.839548,156.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,151.219391,-0.000000>,1.500000
<-8.239523,152.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,152.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,152.120468,-0.000000>,1.500000
<-8.239523,153.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,153.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,152.120468,-0.000000>,1.500000
<-8.673182,153.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,153.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,153.021545,-0.000000>,1.500000
<-9.454702,153.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.454702,153.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,153.021545,-0.000000>,1.500000
<-9.106841,153.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,153.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,153.922623,-0.000000>,1.500000
<-9.106841,154.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,154.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,154.922623,-0.000000>,1.500000
<-8.673182,155.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,155.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,154.922623,-0.000000>,1.500000
<-9.106841,155.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,155.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,155.922623,-0.000000>,1.500000
<-9.540500,156.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,156.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,155.922623,-0.000000>,1.500000
<-9.106841,156.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,156.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,153.922623,-0.000000>,1.500000
<-9.540500,154.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,154.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,154.823700,-0.000000>,1.500000
<-9.540500,155.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,155.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,154.823700,-0.000000>,1.500000
<-9.974159,155.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,155.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,155.724777,-0.000000>,1.500000
<-10.755680,156.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.755680,156.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,155.724777,-0.000000>,1.500000
<-10.407819,156.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,156.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,156.625854,-0.000000>,1.500000
<-11.189339,157.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.189339,157.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,157.249725,-0.000000>,1.500000
<-11.622998,158.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.622998,158.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,157.249725,-0.000000>,1.500000
<-11.970860,157.873611,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.970860,157.873611,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,157.873611,-0.000000>,1.500000
<-12.945621,158.096863,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.945621,158.096863,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,157.873611,-0.000000>,1.500000
<-12.752379,158.497482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.752379,158.497482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,156.625854,-0.000000>,1.500000
<-10.841477,157.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,157.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,157.526932,-0.000000>,1.500000
<-10.841477,158.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,158.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,157.526932,-0.000000>,1.500000
<-11.275137,158.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,158.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,158.428009,-0.000000>,1.500000
<-12.056657,159.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,159.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,158.428009,-0.000000>,1.500000
<-11.708796,159.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,159.329086,-0.000000>,1.500000
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
<0.433659,136.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,136.901077,-0.000000>,1.500000
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
<-0.433659,137.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,137.901077,-0.000000>,1.500000
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
<0.433659,138.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,138.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,138.901077,-0.000000>,1.500000
<1.215180,139.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,139.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,138.901077,-0.000000>,1.500000
<0.867318,139.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,139.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,139.802155,-0.000000>,1.500000
<0.867318,140.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,140.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,139.802155,-0.000000>,1.500000
<1.300977,140.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,140.703232,-0.000000>,1.500000
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
<0.433659,139.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,139.901077,-0.000000>,1.500000
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
<-0.433659,140.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,140.901077,-0.000000>,1.500000
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
<-0.433659,141.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,141.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,141.901077,-0.000000>,1.500000
<-0.433659,142.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,142.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,141.901077,-0.000000>,1.500000
<-0.867318,142.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,142.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,142.802155,-0.000000>,1.500000
<-1.648839,143.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,143.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,142.802155,-0.000000>,1.500000
<-1.300977,143.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,143.703232,-0.000000>,1.500000
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
<0.433659,142.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,142.901077,-0.000000>,1.500000
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
<-0.433659,143.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,143.901077,-0.000000>,1.500000
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
<0.433659,144.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,144.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,144.901077,-0.000000>,1.500000
<1.215180,145.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,145.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,144.901077,-0.000000>,1.500000
<0.867318,145.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,145.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,145.802155,-0.000000>,1.500000
<0.867318,146.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,146.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,145.802155,-0.000000>,1.500000
<1.300977,146.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,146.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,146.703232,-0.000000>,1.500000
<2.082498,147.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,147.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,147.327118,-0.000000>,1.500000
<3.057259,147.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,147.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,147.327118,-0.000000>,1.500000
<2.864018,147.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,147.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,147.950989,-0.000000>,1.500000
<3.297677,148.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,148.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,147.950989,-0.000000>,1.500000
<3.645539,148.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,148.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,146.703232,-0.000000>,1.500000
<1.734636,147.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,147.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,147.604309,-0.000000>,1.500000
<2.516157,148.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,148.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,147.604309,-0.000000>,1.500000
<2.168295,148.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,148.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,148.505386,-0.000000>,1.500000
<2.168295,149.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,149.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,148.505386,-0.000000>,1.500000
<2.601955,149.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,149.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,149.406464,-0.000000>,1.500000
<2.601955,150.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,150.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,150.406464,-0.000000>,1.500000
<3.035614,151.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,151.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,150.406464,-0.000000>,1.500000
<2.601955,151.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,151.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,151.406464,-0.000000>,1.500000
<2.168295,152.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,152.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,151.406464,-0.000000>,1.500000
<2.601955,152.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,152.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,149.406464,-0.000000>,1.500000
<3.035614,150.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,150.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,150.307541,-0.000000>,1.500000
<3.817134,150.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,150.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,150.307541,-0.000000>,1.500000
<3.469273,151.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,151.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,151.208618,-0.000000>,1.500000
<3.469273,152.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,152.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,151.208618,-0.000000>,1.500000
<3.902932,152.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,152.109695,-0.000000>,1.500000
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
<0.433659,145.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,145.901077,-0.000000>,1.500000
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
<-0.433659,146.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,146.901077,-0.000000>,1.500000
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
<0.433659,147.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,147.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,147.901077,-0.000000>,1.500000
<1.215180,148.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,148.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,147.901077,-0.000000>,1.500000
<0.867318,148.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,148.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,148.802155,-0.000000>,1.500000
<0.867318,149.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,149.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,148.802155,-0.000000>,1.500000
<1.300977,149.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,149.703232,-0.000000>,1.500000
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
<0.433659,148.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,148.901077,-0.000000>,1.500000
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
<-0.433659,149.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,149.901077,-0.000000>,1.500000
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
<-0.433659,150.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,150.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,150.901077,-0.000000>,1.500000
<-0.433659,151.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,151.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,150.901077,-0.000000>,1.500000
<-0.867318,151.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,151.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,151.802155,-0.000000>,1.500000
<-1.648839,152.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,152.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,151.802155,-0.000000>,1.500000
<-1.300977,152.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,152.703232,-0.000000>,1.500000
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
<0.433659,151.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,151.901077,-0.000000>,1.500000
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
<-0.433659,152.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,152.901077,-0.000000>,1.500000
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
<-0.433659,153.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,153.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,153.901077,-0.000000>,1.500000
<-0.433659,154.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,154.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,153.901077,-0.000000>,1.500000
<-0.867318,154.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,154.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,154.802155,-0.000000>,1.500000
<-1.648839,155.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,155.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,154.802155,-0.000000>,1.500000
<-1.300977,155.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,155.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,155.703232,-0.000000>,1.500000
<-1.300977,156.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,156.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,156.703232,-0.000000>,1.500000
<-0.867318,157.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,157.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,156.703232,-0.000000>,1.500000
<-1.300977,157.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,157.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,157.703232,-0.000000>,1.500000
<-1.734636,158.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,158.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,157.703232,-0.000000>,1.500000
<-1.300977,158.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,158.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,155.703232,-0.000000>,1.500000
<-1.734636,156.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,156.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,156.604309,-0.000000>,1.500000
<-1.734636,157.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,157.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,156.604309,-0.000000>,1.500000
<-2.168295,157.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,157.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,157.505386,-0.000000>,1.500000
<-2.949816,158.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,158.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,157.505386,-0.000000>,1.500000
<-2.601955,158.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,158.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,158.406464,-0.000000>,1.500000
<-3.383475,159.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,159.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,159.030334,-0.000000>,1.500000
<-3.817134,159.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,159.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,159.030334,-0.000000>,1.500000
<-4.164996,159.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,159.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,159.654221,-0.000000>,1.500000
<-5.139757,159.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,159.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,159.654221,-0.000000>,1.500000
<-4.946516,160.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,160.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,158.406464,-0.000000>,1.500000
<-3.035614,159.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,159.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,159.307541,-0.000000>,1.500000
<-3.035614,160.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,160.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,159.307541,-0.000000>,1.500000
<-3.469273,160.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,160.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,160.208618,-0.000000>,1.500000
<-4.250793,160.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,160.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,160.208618,-0.000000>,1.500000
<-3.902932,161.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,161.109695,-0.000000>,1.500000
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
<0.433659,154.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,154.901077,-0.000000>,1.500000
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
<-0.433659,155.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,155.901077,-0.000000>,1.500000
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
<0.433659,156.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,156.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,156.901077,-0.000000>,1.500000
<1.215180,157.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,157.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,156.901077,-0.000000>,1.500000
<0.867318,157.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,157.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,157.802155,-0.000000>,1.500000
<0.867318,158.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,158.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,157.802155,-0.000000>,1.500000
<1.300977,158.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,158.703232,-0.000000>,1.500000
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
<0.433659,157.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,157.901077,-0.000000>,1.500000
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
<-0.433659,158.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,158.901077,-0.000000>,1.500000
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
<-0.433659,159.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,159.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,159.901077,-0.000000>,1.500000
<-0.433659,160.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,160.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,159.901077,-0.000000>,1.500000
<-0.867318,160.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,160.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,160.802155,-0.000000>,1.500000
<-1.648839,161.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,161.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,160.802155,-0.000000>,1.500000
<-1.300977,161.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,161.703232,-0.000000>,1.500000
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
<-0.433659,161.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,161.901077,-0.000000>,1.500000
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
<-0.433659,162.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,162.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,162.901077,-0.000000>,1.500000
<-0.433659,163.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,163.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,162.901077,-0.000000>,1.500000
<-0.867318,163.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,163.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,163.802155,-0.000000>,1.500000
<-1.648839,164.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,164.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,163.802155,-0.000000>,1.500000
<-1.300977,164.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,164.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,164.703232,-0.000000>,1.500000
<-1.300977,165.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,165.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,165.703232,-0.000000>,1.500000
<-0.867318,166.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,166.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,165.703232,-0.000000>,1.500000
<-1.300977,166.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,166.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,166.703232,-0.000000>,1.500000
<-1.734636,167.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,167.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,166.703232,-0.000000>,1.500000
<-1.300977,167.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,167.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,164.703232,-0.000000>,1.500000
<-1.734636,165.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,165.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,165.604309,-0.000000>,1.500000
<-1.734636,166.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,166.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,165.604309,-0.000000>,1.500000
<-2.168295,166.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,166.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,166.505386,-0.000000>,1.500000
<-2.949816,167.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,167.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,166.505386,-0.000000>,1.500000
<-2.601955,167.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,167.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,167.406464,-0.000000>,1.500000
<-3.383475,168.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,168.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,168.030334,-0.000000>,1.500000
<-3.817134,168.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,168.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,168.030334,-0.000000>,1.500000
<-4.164996,168.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,168.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,168.654221,-0.000000>,1.500000
<-5.139757,168.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,168.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,168.654221,-0.000000>,1.500000
<-4.946516,169.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,169.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,167.406464,-0.000000>,1.500000
<-3.035614,168.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,168.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,168.307541,-0.000000>,1.500000
<-3.035614,169.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,169.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,168.307541,-0.000000>,1.500000
<-3.469273,169.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,169.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,169.208618,-0.000000>,1.500000
<-4.250793,169.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,169.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,169.208618,-0.000000>,1.500000
<-3.902932,170.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,170.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,170.109695,-0.000000>,1.500000
<-3.902932,171.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,171.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,171.109695,-0.000000>,1.500000
<-3.469273,172.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,172.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,171.109695,-0.000000>,1.500000
<-3.902932,172.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,172.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,172.109695,-0.000000>,1.500000
<-4.336591,173.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,173.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,172.109695,-0.000000>,1.500000
<-3.902932,173.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,173.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,173.109695,-0.000000>,1.500000
<-3.469273,174.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,174.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,174.010773,-0.000000>,1.500000
<-2.687752,174.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.687752,174.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,174.010773,-0.000000>,1.500000
<-3.035614,174.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,174.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,174.911850,-0.000000>,1.500000
<-3.035614,175.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,175.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,174.911850,-0.000000>,1.500000
<-2.601955,175.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,175.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,173.109695,-0.000000>,1.500000
<-3.902932,174.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,174.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,174.109695,-0.000000>,1.500000
<-3.469273,175.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,175.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,174.109695,-0.000000>,1.500000
<-3.902932,175.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,175.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,175.109695,-0.000000>,1.500000
<-4.336591,176.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,176.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,175.109695,-0.000000>,1.500000
<-3.902932,176.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,176.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,176.109695,-0.000000>,1.500000
<-4.336591,177.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,177.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,177.010773,-0.000000>,1.500000
<-4.336591,178.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,178.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,177.010773,-0.000000>,1.500000
<-4.770250,177.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,177.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,177.911850,-0.000000>,1.500000
<-5.551771,178.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,178.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,177.911850,-0.000000>,1.500000
<-5.203909,178.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,178.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,176.109695,-0.000000>,1.500000
<-3.902932,177.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,177.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,177.109695,-0.000000>,1.500000
<-3.469273,178.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,178.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,177.109695,-0.000000>,1.500000
<-3.902932,178.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,178.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,178.109695,-0.000000>,1.500000
<-4.336591,179.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,179.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,178.109695,-0.000000>,1.500000
<-3.902932,179.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,179.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,170.109695,-0.000000>,1.500000
<-4.336591,171.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,171.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,171.010773,-0.000000>,1.500000
<-4.336591,172.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,172.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,171.010773,-0.000000>,1.500000
<-4.770250,171.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,171.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,171.911850,-0.000000>,1.500000
<-5.551771,172.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,172.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,171.911850,-0.000000>,1.500000
<-5.203909,172.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,172.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,172.812927,-0.000000>,1.500000
<-5.203909,173.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,173.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,173.812927,-0.000000>,1.500000
<-4.770250,174.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,174.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,173.812927,-0.000000>,1.500000
<-5.203909,174.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,174.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,174.812927,-0.000000>,1.500000
<-5.637568,175.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,175.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,174.812927,-0.000000>,1.500000
<-5.203909,175.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,175.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,172.812927,-0.000000>,1.500000
<-5.637568,173.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,173.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,173.714005,-0.000000>,1.500000
<-5.637568,174.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,174.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,173.714005,-0.000000>,1.500000
<-6.071228,174.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,174.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,174.615082,-0.000000>,1.500000
<-6.852748,175.238953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.852748,175.238953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,174.615082,-0.000000>,1.500000
<-6.504887,175.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,175.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,175.516159,-0.000000>,1.500000
<-7.286407,176.140030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.286407,176.140030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,176.140030,-0.000000>,1.500000
<-7.720066,177.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.720066,177.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,176.140030,-0.000000>,1.500000
<-8.067927,176.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.067927,176.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,176.763916,-0.000000>,1.500000
<-9.042688,176.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042688,176.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,176.763916,-0.000000>,1.500000
<-8.849448,177.387787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.849448,177.387787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,175.516159,-0.000000>,1.500000
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
<-6.938546,176.417236,-0.000000>,1.500000
<-7.372205,177.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,177.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,177.318314,-0.000000>,1.500000
<-8.153725,177.942184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.153725,177.942184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,177.318314,-0.000000>,1.500000
<-7.805864,178.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,178.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,178.219391,-0.000000>,1.500000
<-8.587384,178.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.587384,178.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,178.843262,-0.000000>,1.500000
<-9.021044,179.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.021044,179.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,178.843262,-0.000000>,1.500000
<-9.368905,179.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.368905,179.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,179.467148,-0.000000>,1.500000
<-10.343666,179.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.343666,179.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,179.467148,-0.000000>,1.500000
<-10.150425,180.091019,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.150425,180.091019,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,180.091019,-0.000000>,1.500000
<-10.584085,180.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,180.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,180.992096,-0.000000>,1.500000
<-10.584085,181.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,181.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,180.992096,-0.000000>,1.500000
<-11.017743,181.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017743,181.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,181.893173,-0.000000>,1.500000
<-11.799264,182.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799264,182.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,181.893173,-0.000000>,1.500000
<-11.451403,182.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.451403,182.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,180.091019,-0.000000>,1.500000
<-10.931946,180.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.931946,180.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,180.714905,-0.000000>,1.500000
<-11.365604,181.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.365604,181.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,180.714905,-0.000000>,1.500000
<-11.713467,181.338791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.713467,181.338791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,181.338791,-0.000000>,1.500000
<-12.688228,181.562027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.688228,181.562027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,181.338791,-0.000000>,1.500000
<-12.494987,181.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.494987,181.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,181.962662,-0.000000>,1.500000
<-13.469748,182.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.469748,182.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,182.185913,-0.000000>,1.500000
<-14.251268,182.809799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.251268,182.809799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,182.185913,-0.000000>,1.500000
<-14.444510,182.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.444510,182.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,182.409164,-0.000000>,1.500000
<-15.419659,182.187622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419659,182.187622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,182.409164,-0.000000>,1.500000
<-15.419271,182.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419271,182.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,181.962662,-0.000000>,1.500000
<-13.276507,182.586548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.276507,182.586548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,182.586548,-0.000000>,1.500000
<-13.710166,183.487625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.710166,183.487625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,182.586548,-0.000000>,1.500000
<-14.058027,183.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.058027,183.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,183.210419,-0.000000>,1.500000
<-15.032789,183.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.032789,183.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,183.210419,-0.000000>,1.500000
<-14.839548,183.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.839548,183.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,178.219391,-0.000000>,1.500000
<-8.239523,179.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,179.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,179.120468,-0.000000>,1.500000
<-8.239523,180.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,180.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,179.120468,-0.000000>,1.500000
<-8.673182,180.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,180.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,180.021545,-0.000000>,1.500000
<-9.454702,180.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.454702,180.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,180.021545,-0.000000>,1.500000
<-9.106841,180.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,180.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,180.922623,-0.000000>,1.500000
<-9.106841,181.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,181.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,181.922623,-0.000000>,1.500000
<-8.673182,182.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,182.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,181.922623,-0.000000>,1.500000
<-9.106841,182.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,182.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,182.922623,-0.000000>,1.500000
<-9.540500,183.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,183.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,182.922623,-0.000000>,1.500000
<-9.106841,183.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,183.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,180.922623,-0.000000>,1.500000
<-9.540500,181.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,181.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,181.823700,-0.000000>,1.500000
<-9.540500,182.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,182.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,181.823700,-0.000000>,1.500000
<-9.974159,182.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,182.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,182.724777,-0.000000>,1.500000
<-10.755680,183.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.755680,183.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,182.724777,-0.000000>,1.500000
<-10.407819,183.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,183.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,183.625854,-0.000000>,1.500000
<-11.189339,184.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.189339,184.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,184.249725,-0.000000>,1.500000
<-11.622998,185.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.622998,185.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,184.249725,-0.000000>,1.500000
<-11.970860,184.873611,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.970860,184.873611,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,184.873611,-0.000000>,1.500000
<-12.945621,185.096863,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.945621,185.096863,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,184.873611,-0.000000>,1.500000
<-12.752379,185.497482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.752379,185.497482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,183.625854,-0.000000>,1.500000
<-10.841477,184.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,184.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,184.526932,-0.000000>,1.500000
<-10.841477,185.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,185.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,184.526932,-0.000000>,1.500000
<-11.275137,185.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,185.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,185.428009,-0.000000>,1.500000
<-12.056657,186.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,186.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,185.428009,-0.000000>,1.500000
<-11.708796,186.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,186.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,186.329086,-0.000000>,1.500000
<-11.708796,187.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,187.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,187.329086,-0.000000>,1.500000
<-11.275137,188.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,188.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,187.329086,-0.000000>,1.500000
<-11.708796,188.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,188.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,188.329086,-0.000000>,1.500000
<-12.142455,189.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,189.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,188.329086,-0.000000>,1.500000
<-11.708796,189.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,189.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,189.329086,-0.000000>,1.500000
<-11.275137,190.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,190.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,190.230164,-0.000000>,1.500000
<-10.493616,190.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.493616,190.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,190.230164,-0.000000>,1.500000
<-10.841477,191.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,191.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,191.131241,-0.000000>,1.500000
<-10.841477,192.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,192.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,191.131241,-0.000000>,1.500000
<-10.407819,192.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,192.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,189.329086,-0.000000>,1.500000
<-11.708796,190.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,190.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,190.329086,-0.000000>,1.500000
<-11.275137,191.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,191.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,190.329086,-0.000000>,1.500000
<-11.708796,191.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,191.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,191.329086,-0.000000>,1.500000
<-12.142455,192.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,192.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,191.329086,-0.000000>,1.500000
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
<-12.142455,194.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,194.230164,-0.000000>,1.500000
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
<-13.357635,194.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.357635,194.755112,-0.000000>,1.500000
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
<-11.708796,192.329086,-0.000000>,1.500000
<-11.708796,193.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,193.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,193.329086,-0.000000>,1.500000
<-11.275137,194.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,194.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,193.329086,-0.000000>,1.500000
<-11.708796,194.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,194.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,194.329086,-0.000000>,1.500000
<-12.142455,195.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,195.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,194.329086,-0.000000>,1.500000
<-11.708796,195.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,195.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,195.329086,-0.000000>,1.500000
<-11.275137,196.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,196.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,196.230164,-0.000000>,1.500000
<-10.493616,196.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.493616,196.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,196.230164,-0.000000>,1.500000
<-10.841477,197.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,197.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,197.131241,-0.000000>,1.500000
<-10.841477,198.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,198.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,197.131241,-0.000000>,1.500000
<-10.407819,198.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,198.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,198.032303,-0.000000>,1.500000
<-9.626298,198.656189,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.626298,198.656189,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.626298,198.656189,-0.000000>,1.500000
<-8.651537,198.879440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.651537,198.879440,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.626298,198.656189,-0.000000>,1.500000
<-8.844777,199.280075,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.844777,199.280075,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.844777,199.280075,-0.000000>,1.500000
<-8.411119,200.181152,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.411119,200.181152,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.844777,199.280075,-0.000000>,1.500000
<-8.063257,199.903946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.063257,199.903946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,198.032303,-0.000000>,1.500000
<-9.974159,198.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,198.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,198.933380,-0.000000>,1.500000
<-9.192638,199.557266,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.192638,199.557266,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,198.933380,-0.000000>,1.500000
<-9.540500,199.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,199.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,199.834457,-0.000000>,1.500000
<-9.540500,200.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,200.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,199.834457,-0.000000>,1.500000
<-9.106841,200.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,200.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,200.735535,-0.000000>,1.500000
<-9.106841,201.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,201.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,201.735535,-0.000000>,1.500000
<-8.673182,202.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,202.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,201.735535,-0.000000>,1.500000
<-9.106841,202.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,202.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,202.735535,-0.000000>,1.500000
<-9.540500,203.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,203.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,202.735535,-0.000000>,1.500000
<-9.106841,203.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,203.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,200.735535,-0.000000>,1.500000
<-8.673182,201.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,201.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,201.636612,-0.000000>,1.500000
<-7.891662,202.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.891662,202.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,201.636612,-0.000000>,1.500000
<-8.239523,202.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,202.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,202.537689,-0.000000>,1.500000
<-8.239523,203.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,203.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,202.537689,-0.000000>,1.500000
<-7.805864,203.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,203.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,195.329086,-0.000000>,1.500000
<-11.708796,196.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,196.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,196.329086,-0.000000>,1.500000
<-11.275137,197.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,197.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,196.329086,-0.000000>,1.500000
<-11.708796,197.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,197.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,197.329086,-0.000000>,1.500000
<-12.142455,198.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,198.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,197.329086,-0.000000>,1.500000
<-11.708796,198.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,198.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,198.329086,-0.000000>,1.500000
<-11.275137,199.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,199.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,199.230164,-0.000000>,1.500000
<-10.493616,199.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.493616,199.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,199.230164,-0.000000>,1.500000
<-10.841477,200.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,200.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,200.131241,-0.000000>,1.500000
<-10.841477,201.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,201.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,200.131241,-0.000000>,1.500000
<-10.407819,201.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,201.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,198.329086,-0.000000>,1.500000
<-11.708796,199.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,199.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,199.329086,-0.000000>,1.500000
<-11.275137,200.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,200.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,199.329086,-0.000000>,1.500000
<-11.708796,200.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,200.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,200.329086,-0.000000>,1.500000
<-12.142455,201.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,201.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,200.329086,-0.000000>,1.500000
<-11.708796,201.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,201.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,201.329086,-0.000000>,1.500000
<-12.142455,202.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,202.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,202.230164,-0.000000>,1.500000
<-12.142455,203.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,203.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,202.230164,-0.000000>,1.500000
<-12.576114,203.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,203.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,203.131241,-0.000000>,1.500000
<-13.357635,203.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.357635,203.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,203.131241,-0.000000>,1.500000
<-13.009773,204.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,204.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,201.329086,-0.000000>,1.500000
<-11.708796,202.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,202.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,202.329086,-0.000000>,1.500000
<-11.275137,203.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,203.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,202.329086,-0.000000>,1.500000
<-11.708796,203.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,203.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,203.329086,-0.000000>,1.500000
<-12.142455,204.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,204.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,203.329086,-0.000000>,1.500000
<-11.708796,204.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,204.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,204.329086,-0.000000>,1.500000
<-12.142455,205.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,205.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,205.230164,-0.000000>,1.500000
<-12.142455,206.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,206.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,205.230164,-0.000000>,1.500000
<-12.576114,206.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,206.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,206.131241,-0.000000>,1.500000
<-13.357635,206.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.357635,206.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,206.131241,-0.000000>,1.500000
<-13.009773,207.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,207.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,207.032303,-0.000000>,1.500000
<-13.009773,208.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,208.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,208.032303,-0.000000>,1.500000
<-12.576114,208.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,208.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,208.032303,-0.000000>,1.500000
<-13.009773,209.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,209.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,209.032303,-0.000000>,1.500000
<-13.443432,209.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,209.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,209.032303,-0.000000>,1.500000
<-13.009773,210.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,210.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,207.032303,-0.000000>,1.500000
<-13.443432,207.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,207.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,207.933380,-0.000000>,1.500000
<-13.443432,208.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,208.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,207.933380,-0.000000>,1.500000
<-13.877091,208.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,208.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,208.834457,-0.000000>,1.500000
<-14.658611,209.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.658611,209.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,208.834457,-0.000000>,1.500000
<-14.310750,209.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,209.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,209.735535,-0.000000>,1.500000
<-15.092271,210.359421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.092271,210.359421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.092271,210.359421,-0.000000>,1.500000
<-15.525929,211.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.525929,211.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.092271,210.359421,-0.000000>,1.500000
<-15.873791,210.983307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.873791,210.983307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.873791,210.983307,-0.000000>,1.500000
<-16.848553,211.206558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.848553,211.206558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.873791,210.983307,-0.000000>,1.500000
<-16.655312,211.607178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.655312,211.607178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,209.735535,-0.000000>,1.500000
<-14.744410,210.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,210.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,210.636612,-0.000000>,1.500000
<-14.744410,211.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,211.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,210.636612,-0.000000>,1.500000
<-15.178068,211.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,211.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,211.537689,-0.000000>,1.500000
<-15.959589,212.161575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.959589,212.161575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,211.537689,-0.000000>,1.500000
<-15.611728,212.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,212.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,204.329086,-0.000000>,1.500000
<-11.708796,205.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,205.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,205.329086,-0.000000>,1.500000
<-11.275137,206.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,206.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,205.329086,-0.000000>,1.500000
<-11.708796,206.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,206.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,206.329086,-0.000000>,1.500000
<-12.142455,207.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,207.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,206.329086,-0.000000>,1.500000
<-11.708796,207.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,207.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,207.329086,-0.000000>,1.500000
<-11.275137,208.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,208.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,208.230164,-0.000000>,1.500000
<-10.493616,208.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.493616,208.854034,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,208.230164,-0.000000>,1.500000
<-10.841477,209.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,209.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,209.131241,-0.000000>,1.500000
<-10.841477,210.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,210.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,209.131241,-0.000000>,1.500000
<-10.407819,210.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,210.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,207.329086,-0.000000>,1.500000
<-11.708796,208.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,208.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,208.329086,-0.000000>,1.500000
<-11.275137,209.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,209.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,208.329086,-0.000000>,1.500000
<-11.708796,209.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,209.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,209.329086,-0.000000>,1.500000
<-12.142455,210.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,210.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,209.329086,-0.000000>,1.500000
<-11.708796,210.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,210.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,210.329086,-0.000000>,1.500000
<-12.142455,211.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,211.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,211.230164,-0.000000>,1.500000
<-12.142455,212.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,212.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,211.230164,-0.000000>,1.500000
<-12.576114,212.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,212.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,212.131241,-0.000000>,1.500000
<-13.357635,212.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.357635,212.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,212.131241,-0.000000>,1.500000
<-13.009773,213.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,213.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,210.329086,-0.000000>,1.500000
<-11.708796,211.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,211.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,211.329086,-0.000000>,1.500000
<-11.275137,212.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,212.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,211.329086,-0.000000>,1.500000
<-11.708796,212.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,212.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,212.329086,-0.000000>,1.500000
<-12.142455,213.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,213.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,212.329086,-0.000000>,1.500000
<-11.708796,213.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,213.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.708796,186.329086,-0.000000>,1.500000
<-12.142455,187.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,187.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,187.230164,-0.000000>,1.500000
<-12.142455,188.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.142455,188.230164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.142455,187.230164,-0.000000>,1.500000
<-12.576114,188.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,188.131241,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,188.131241,-0.000000>,1.500000
<-13.357635,188.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.357635,188.755112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.576114,188.131241,-0.000000>,1.500000
<-13.009773,189.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,189.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,189.032303,-0.000000>,1.500000
<-13.009773,190.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,190.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,190.032303,-0.000000>,1.500000
<-12.576114,190.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.576114,190.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,190.032303,-0.000000>,1.500000
<-13.009773,191.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,191.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,191.032303,-0.000000>,1.500000
<-13.443432,191.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,191.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,191.032303,-0.000000>,1.500000
<-13.009773,192.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.009773,192.032303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.009773,189.032303,-0.000000>,1.500000
<-13.443432,189.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,189.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,189.933380,-0.000000>,1.500000
<-13.443432,190.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.443432,190.933380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.443432,189.933380,-0.000000>,1.500000
<-13.877091,190.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.877091,190.834457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,190.834457,-0.000000>,1.500000
<-14.658611,191.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.658611,191.458344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.877091,190.834457,-0.000000>,1.500000
<-14.310750,191.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,191.735535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,191.735535,-0.000000>,1.500000
<-15.092271,192.359421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.092271,192.359421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.092271,192.359421,-0.000000>,1.500000
<-15.525929,193.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.525929,193.260498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.092271,192.359421,-0.000000>,1.500000
<-15.873791,192.983307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.873791,192.983307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.873791,192.983307,-0.000000>,1.500000
<-16.848553,193.206558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.848553,193.206558,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.873791,192.983307,-0.000000>,1.500000
<-16.655312,193.607178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.655312,193.607178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.310750,191.735535,-0.000000>,1.500000
<-14.744410,192.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,192.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,192.636612,-0.000000>,1.500000
<-14.744410,193.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,193.636612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,192.636612,-0.000000>,1.500000
<-15.178068,193.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,193.537689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,193.537689,-0.000000>,1.500000
<-15.959589,194.161575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.959589,194.161575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,193.537689,-0.000000>,1.500000
<-15.611728,194.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,194.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,194.438766,-0.000000>,1.500000
<-15.611728,195.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,195.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,195.438766,-0.000000>,1.500000
<-15.178068,196.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,196.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,195.438766,-0.000000>,1.500000
<-15.611728,196.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,196.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,196.438766,-0.000000>,1.500000
<-16.045387,197.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,197.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,196.438766,-0.000000>,1.500000
<-15.611728,197.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,197.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,197.438766,-0.000000>,1.500000
<-15.178068,198.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,198.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,198.339844,-0.000000>,1.500000
<-14.396548,198.963730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.396548,198.963730,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.178068,198.339844,-0.000000>,1.500000
<-14.744410,199.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,199.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,199.240921,-0.000000>,1.500000
<-14.744410,200.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.744410,200.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.744410,199.240921,-0.000000>,1.500000
<-14.310750,200.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.310750,200.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,197.438766,-0.000000>,1.500000
<-15.611728,198.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,198.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,198.438766,-0.000000>,1.500000
<-15.178068,199.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,199.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,198.438766,-0.000000>,1.500000
<-15.611728,199.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,199.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,199.438766,-0.000000>,1.500000
<-16.045387,200.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,200.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,199.438766,-0.000000>,1.500000
<-15.611728,200.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,200.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,200.438766,-0.000000>,1.500000
<-16.045387,201.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,201.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,201.339844,-0.000000>,1.500000
<-16.045387,202.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,202.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,201.339844,-0.000000>,1.500000
<-16.479046,202.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,202.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,202.240921,-0.000000>,1.500000
<-17.260567,202.864807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.260567,202.864807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,202.240921,-0.000000>,1.500000
<-16.912704,203.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,203.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,200.438766,-0.000000>,1.500000
<-15.611728,201.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,201.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,201.438766,-0.000000>,1.500000
<-15.178068,202.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.178068,202.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,201.438766,-0.000000>,1.500000
<-15.611728,202.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,202.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,202.438766,-0.000000>,1.500000
<-16.045387,203.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,203.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,202.438766,-0.000000>,1.500000
<-15.611728,203.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.611728,203.438766,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.611728,194.438766,-0.000000>,1.500000
<-16.045387,195.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,195.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,195.339844,-0.000000>,1.500000
<-16.045387,196.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.045387,196.339844,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.045387,195.339844,-0.000000>,1.500000
<-16.479046,196.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,196.240921,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,196.240921,-0.000000>,1.500000
<-17.260567,196.864807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.260567,196.864807,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.479046,196.240921,-0.000000>,1.500000
<-16.912704,197.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,197.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,197.141998,-0.000000>,1.500000
<-16.912704,198.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,198.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,198.141998,-0.000000>,1.500000
<-16.479046,199.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.479046,199.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,198.141998,-0.000000>,1.500000
<-16.912704,199.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,199.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,199.141998,-0.000000>,1.500000
<-17.346363,200.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.346363,200.043076,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,199.141998,-0.000000>,1.500000
<-16.912704,200.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.912704,200.141998,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.912704,197.141998,-0.000000>,1.500000
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
<-17.346363,198.043076,-0.000000>,1.500000
<-17.780024,198.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.780024,198.944153,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,198.944153,-0.000000>,1.500000
<-18.561543,199.568039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.561543,199.568039,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.780024,198.944153,-0.000000>,1.500000
<-18.213682,199.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.213682,199.845230,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,199.845230,-0.000000>,1.500000
<-18.995203,200.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.995203,200.469116,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.995203,200.469116,-0.000000>,1.500000
<-19.428862,201.370193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.428862,201.370193,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.995203,200.469116,-0.000000>,1.500000
<-19.776724,201.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.776724,201.092987,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.776724,201.092987,-0.000000>,1.500000
<-20.751484,201.316238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.751484,201.316238,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.776724,201.092987,-0.000000>,1.500000
<-20.558243,201.716873,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.558243,201.716873,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.213682,199.845230,-0.000000>,1.500000
<-18.647341,200.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,200.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,200.746307,-0.000000>,1.500000
<-18.647341,201.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.647341,201.746307,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.647341,200.746307,-0.000000>,1.500000
<-19.080999,201.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.080999,201.647385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,201.647385,-0.000000>,1.500000
<-19.862520,202.271271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.862520,202.271271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.080999,201.647385,-0.000000>,1.500000
<-19.514660,202.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.514660,202.548462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,202.548462,-0.000000>,1.500000
<-20.296181,203.172348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.296181,203.172348,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.296181,203.172348,-0.000000>,1.500000
<-20.729839,204.073425,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.729839,204.073425,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.296181,203.172348,-0.000000>,1.500000
<-21.077700,203.796219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.077700,203.796219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.077700,203.796219,-0.000000>,1.500000
<-22.052462,204.019470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.052462,204.019470,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.077700,203.796219,-0.000000>,1.500000
<-21.859221,204.420105,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.859221,204.420105,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.859221,204.420105,-0.000000>,1.500000
<-22.292879,205.321182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.292879,205.321182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.292879,205.321182,-0.000000>,1.500000
<-22.292879,206.321182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.292879,206.321182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.292879,205.321182,-0.000000>,1.500000
<-22.726540,206.222260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.726540,206.222260,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.726540,206.222260,-0.000000>,1.500000
<-23.508059,206.846146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.508059,206.846146,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.726540,206.222260,-0.000000>,1.500000
<-23.160198,207.123337,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.160198,207.123337,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.859221,204.420105,-0.000000>,1.500000
<-22.640741,205.043991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.640741,205.043991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.640741,205.043991,-0.000000>,1.500000
<-23.074400,205.945068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.074400,205.945068,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.640741,205.043991,-0.000000>,1.500000
<-23.422262,205.667862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.422262,205.667862,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.422262,205.667862,-0.000000>,1.500000
<-24.397022,205.891113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.397022,205.891113,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.422262,205.667862,-0.000000>,1.500000
<-24.203783,206.291748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.203783,206.291748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.203783,206.291748,-0.000000>,1.500000
<-25.178543,206.514999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.178543,206.514999,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.178543,206.514999,-0.000000>,1.500000
<-25.960064,207.138870,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.960064,207.138870,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.178543,206.514999,-0.000000>,1.500000
<-26.153305,206.738251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.153305,206.738251,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.153305,206.738251,-0.000000>,1.500000
<-27.128454,206.516693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.128454,206.516693,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.153305,206.738251,-0.000000>,1.500000
<-27.128065,206.961487,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.128065,206.961487,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.203783,206.291748,-0.000000>,1.500000
<-24.985302,206.915619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.985302,206.915619,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.985302,206.915619,-0.000000>,1.500000
<-25.418962,207.816696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.418962,207.816696,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.985302,206.915619,-0.000000>,1.500000
<-25.766823,207.539505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.766823,207.539505,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.766823,207.539505,-0.000000>,1.500000
<-26.741585,207.762756,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.741585,207.762756,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.766823,207.539505,-0.000000>,1.500000
<-26.548344,208.163376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.548344,208.163376,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.514660,202.548462,-0.000000>,1.500000
<-19.948318,203.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,203.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.948318,203.449539,-0.000000>,1.500000
<-19.948318,204.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.948318,204.449539,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.948318,203.449539,-0.000000>,1.500000
<-20.381977,204.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.381977,204.350616,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.381977,204.350616,-0.000000>,1.500000
<-21.163498,204.974503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.163498,204.974503,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.381977,204.350616,-0.000000>,1.500000
<-20.815638,205.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,205.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,205.251694,-0.000000>,1.500000
<-20.815638,206.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,206.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,206.251694,-0.000000>,1.500000
<-20.381977,207.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.381977,207.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,206.251694,-0.000000>,1.500000
<-20.815638,207.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,207.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,207.251694,-0.000000>,1.500000
<-21.249296,208.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249296,208.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,207.251694,-0.000000>,1.500000
<-20.815638,208.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.815638,208.251694,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.815638,205.251694,-0.000000>,1.500000
<-21.249296,206.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249296,206.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.249296,206.152771,-0.000000>,1.500000
<-21.249296,207.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.249296,207.152771,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.249296,206.152771,-0.000000>,1.500000
<-21.682955,207.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.682955,207.053848,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.682955,207.053848,-0.000000>,1.500000
<-22.464476,207.677734,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.464476,207.677734,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.682955,207.053848,-0.000000>,1.500000
<-22.116613,207.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.116613,207.954926,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,207.954926,-0.000000>,1.500000
<-22.898134,208.578812,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.898134,208.578812,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.898134,208.578812,-0.000000>,1.500000
<-23.331793,209.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.331793,209.479889,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.898134,208.578812,-0.000000>,1.500000
<-23.679655,209.202682,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.679655,209.202682,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.679655,209.202682,-0.000000>,1.500000
<-24.654417,209.425934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.654417,209.425934,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.679655,209.202682,-0.000000>,1.500000
<-24.461176,209.826569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.461176,209.826569,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.116613,207.954926,-0.000000>,1.500000
<-22.550274,208.856003,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.550274,208.856003,-0.000000>,1.500000
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
<-23.765453,210.380966,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.765453,210.380966,-0.000000>,1.500000
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
<-23.417591,210.658157,-0.000000>,1.500000
<-24.199112,211.282043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.199112,211.282043,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.199112,211.282043,-0.000000>,1.500000
<-24.632771,212.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.632771,212.183121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.199112,211.282043,-0.000000>,1.500000
<-24.980633,211.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.980633,211.905914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.980633,211.905914,-0.000000>,1.500000
<-25.955393,212.129166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.955393,212.129166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.980633,211.905914,-0.000000>,1.500000
<-25.762154,212.529800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.762154,212.529800,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.762154,212.529800,-0.000000>,1.500000
<-26.195812,213.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.195812,213.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.195812,213.430878,-0.000000>,1.500000
<-26.195812,214.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.195812,214.430878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.195812,213.430878,-0.000000>,1.500000
<-26.629471,214.331955,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.629471,214.331955,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.629471,214.331955,-0.000000>,1.500000
<-27.410992,214.955826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.410992,214.955826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.629471,214.331955,-0.000000>,1.500000
<-27.063129,215.233032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.063129,215.233032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.762154,212.529800,-0.000000>,1.500000
<-26.543673,213.153671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.543673,213.153671,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.543673,213.153671,-0.000000>,1.500000
<-26.977333,214.054749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.977333,214.054749,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.543673,213.153671,-0.000000>,1.500000
<-27.325193,213.777557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.325193,213.777557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.325193,213.777557,-0.000000>,1.500000
<-28.299955,214.000809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.299955,214.000809,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.325193,213.777557,-0.000000>,1.500000
<-28.106714,214.401443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.106714,214.401443,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.106714,214.401443,-0.000000>,1.500000
<-29.081476,214.624680,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.081476,214.624680,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.081476,214.624680,-0.000000>,1.500000
<-29.862995,215.248566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.862995,215.248566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.081476,214.624680,-0.000000>,1.500000
<-30.056236,214.847931,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.056236,214.847931,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.056236,214.847931,-0.000000>,1.500000
<-31.031385,214.626389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.031385,214.626389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.056236,214.847931,-0.000000>,1.500000
<-31.030998,215.071182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.030998,215.071182,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.106714,214.401443,-0.000000>,1.500000
<-28.888235,215.025314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.888235,215.025314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.888235,215.025314,-0.000000>,1.500000
<-29.321894,215.926392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.321894,215.926392,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.888235,215.025314,-0.000000>,1.500000
<-29.669756,215.649200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.669756,215.649200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.669756,215.649200,-0.000000>,1.500000
<-30.644516,215.872452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.644516,215.872452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.669756,215.649200,-0.000000>,1.500000
<-30.451275,216.273071,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.451275,216.273071,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.451275,216.273071,-0.000000>,1.500000
<-30.884935,217.174149,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.884935,217.174149,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.884935,217.174149,-0.000000>,1.500000
<-30.884935,218.174149,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.884935,218.174149,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.884935,217.174149,-0.000000>,1.500000
<-31.318594,218.075226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.318594,218.075226,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.318594,218.075226,-0.000000>,1.500000
<-32.100113,218.699112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.100113,218.699112,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.318594,218.075226,-0.000000>,1.500000
<-31.752253,218.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.752253,218.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.752253,218.976303,-0.000000>,1.500000
<-31.752253,219.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.752253,219.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.752253,219.976303,-0.000000>,1.500000
<-31.318594,220.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.318594,220.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.752253,219.976303,-0.000000>,1.500000
<-31.752253,220.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.752253,220.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.752253,220.976303,-0.000000>,1.500000
<-32.185913,221.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.185913,221.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.752253,220.976303,-0.000000>,1.500000
<-31.752253,221.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.752253,221.976303,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.752253,218.976303,-0.000000>,1.500000
<-32.185913,219.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.185913,219.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.185913,219.877380,-0.000000>,1.500000
<-32.185913,220.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.185913,220.877380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.185913,219.877380,-0.000000>,1.500000
<-32.619572,220.778458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.619572,220.778458,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.619572,220.778458,-0.000000>,1.500000
<-33.401093,221.402344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.401093,221.402344,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.619572,220.778458,-0.000000>,1.500000
<-33.053230,221.679535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.053230,221.679535,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.053230,221.679535,-0.000000>,1.500000
<-33.834751,222.303421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.834751,222.303421,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.834751,222.303421,-0.000000>,1.500000
<-34.268410,223.204498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.268410,223.204498,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.834751,222.303421,-0.000000>,1.500000
<-34.616272,222.927292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.616272,222.927292,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.616272,222.927292,-0.000000>,1.500000
<-35.591034,223.150543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.591034,223.150543,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.616272,222.927292,-0.000000>,1.500000
<-35.397793,223.551178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.397793,223.551178,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.053230,221.679535,-0.000000>,1.500000
<-33.486889,222.580612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.486889,222.580612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.486889,222.580612,-0.000000>,1.500000
<-33.486889,223.580612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.486889,223.580612,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.486889,222.580612,-0.000000>,1.500000
<-33.920547,223.481689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.920547,223.481689,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.920547,223.481689,-0.000000>,1.500000
<-34.702068,224.105576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.702068,224.105576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.920547,223.481689,-0.000000>,1.500000
<-34.354206,224.382767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.354206,224.382767,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.451275,216.273071,-0.000000>,1.500000
<-31.232796,216.896957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.232796,216.896957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.232796,216.896957,-0.000000>,1.500000
<-31.666454,217.798035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.666454,217.798035,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.232796,216.896957,-0.000000>,1.500000
<-32.014317,217.520828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.014317,217.520828,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.014317,217.520828,-0.000000>,1.500000
<-32.989079,217.744080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.989079,217.744080,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.014317,217.520828,-0.000000>,1.500000
<-32.795837,218.144714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.795837,218.144714,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.795837,218.144714,-0.000000>,1.500000
<-33.229496,219.045792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.229496,219.045792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.229496,219.045792,-0.000000>,1.500000
<-33.229496,220.045792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.229496,220.045792,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.229496,219.045792,-0.000000>,1.500000
<-33.663155,219.946869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.663155,219.946869,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.663155,219.946869,-0.000000>,1.500000
<-34.444675,220.570740,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.444675,220.570740,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.663155,219.946869,-0.000000>,1.500000
<-34.096813,220.847946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.096813,220.847946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.795837,218.144714,-0.000000>,1.500000
<-33.577358,218.768600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.577358,218.768600,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.577358,218.768600,-0.000000>,1.500000
<-34.011017,219.669678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.011017,219.669678,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.577358,218.768600,-0.000000>,1.500000
<-34.358879,219.392471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.358879,219.392471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.358879,219.392471,-0.000000>,1.500000
<-35.333641,219.615723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.333641,219.615723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.358879,219.392471,-0.000000>,1.500000
<-35.140400,220.016357,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.140400,220.016357,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.140400,220.016357,-0.000000>,1.500000
<-36.115158,220.239609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.115158,220.239609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.115158,220.239609,-0.000000>,1.500000
<-36.896679,220.863480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.896679,220.863480,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.115158,220.239609,-0.000000>,1.500000
<-37.089920,220.462860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.089920,220.462860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.089920,220.462860,-0.000000>,1.500000
<-38.065071,220.241302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.065071,220.241302,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.089920,220.462860,-0.000000>,1.500000
<-38.064682,220.686096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.064682,220.686096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.140400,220.016357,-0.000000>,1.500000
<-35.921921,220.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.921921,220.640228,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.921921,220.640228,-0.000000>,1.500000
<-36.355579,221.541306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.355579,221.541306,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.921921,220.640228,-0.000000>,1.500000
<-36.703438,221.264114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.703438,221.264114,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.703438,221.264114,-0.000000>,1.500000
<-37.678200,221.487366,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.678200,221.487366,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.703438,221.264114,-0.000000>,1.500000
<-37.484959,221.887985,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.484959,221.887985,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.484959,221.887985,-0.000000>,1.500000
<-38.459721,222.111237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.459721,222.111237,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.459721,222.111237,-0.000000>,1.500000
<-39.241241,222.735123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.241241,222.735123,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.459721,222.111237,-0.000000>,1.500000
<-39.434483,222.334488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.434483,222.334488,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.434483,222.334488,-0.000000>,1.500000
<-40.409634,222.112946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.409634,222.112946,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.434483,222.334488,-0.000000>,1.500000
<-40.409245,222.557739,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.409245,222.557739,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.409245,222.557739,-0.000000>,1.500000
<-41.190765,223.181625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.190765,223.181625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.190765,223.181625,-0.000000>,1.500000
<-41.624424,224.082703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.624424,224.082703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.190765,223.181625,-0.000000>,1.500000
<-41.972286,223.805496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.972286,223.805496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.972286,223.805496,-0.000000>,1.500000
<-42.947044,224.028748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.947044,224.028748,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.972286,223.805496,-0.000000>,1.500000
<-42.753803,224.429382,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.753803,224.429382,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.409245,222.557739,-0.000000>,1.500000
<-41.384007,222.780991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.384007,222.780991,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.384007,222.780991,-0.000000>,1.500000
<-42.165524,223.404877,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.165524,223.404877,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.384007,222.780991,-0.000000>,1.500000
<-42.358765,223.004242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.358765,223.004242,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.358765,223.004242,-0.000000>,1.500000
<-43.333916,222.782700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.333916,222.782700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.358765,223.004242,-0.000000>,1.500000
<-43.333527,223.227493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.333527,223.227493,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.333527,223.227493,-0.000000>,1.500000
<-44.308678,223.005936,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.308678,223.005936,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.308678,223.005936,-0.000000>,1.500000
<-45.283440,223.229187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.283440,223.229187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.308678,223.005936,-0.000000>,1.500000
<-45.283825,222.784393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.283825,222.784393,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.283825,222.784393,-0.000000>,1.500000
<-46.066433,222.161880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.066433,222.161880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.283825,222.784393,-0.000000>,1.500000
<-46.258976,222.562851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.258976,222.562851,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.333527,223.227493,-0.000000>,1.500000
<-44.308289,223.450745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.308289,223.450745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.308289,223.450745,-0.000000>,1.500000
<-45.089809,224.074615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.089809,224.074615,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.308289,223.450745,-0.000000>,1.500000
<-45.283051,223.673996,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.283051,223.673996,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.283051,223.673996,-0.000000>,1.500000
<-46.258198,223.452438,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.258198,223.452438,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-45.283051,223.673996,-0.000000>,1.500000
<-46.257812,223.897247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-46.257812,223.897247,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.484959,221.887985,-0.000000>,1.500000
<-38.266479,222.511871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.266479,222.511871,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.266479,222.511871,-0.000000>,1.500000
<-38.700138,223.412949,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.700138,223.412949,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-38.266479,222.511871,-0.000000>,1.500000
<-39.048000,223.135757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.048000,223.135757,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.048000,223.135757,-0.000000>,1.500000
<-40.022762,223.358994,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.022762,223.358994,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.048000,223.135757,-0.000000>,1.500000
<-39.829521,223.759628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-39.829521,223.759628,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.829521,223.759628,-0.000000>,1.500000
<-40.263180,224.660706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.263180,224.660706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.263180,224.660706,-0.000000>,1.500000
<-40.263180,225.660706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.263180,225.660706,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.263180,224.660706,-0.000000>,1.500000
<-40.696838,225.561783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.696838,225.561783,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.696838,225.561783,-0.000000>,1.500000
<-41.478359,226.185669,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.478359,226.185669,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.696838,225.561783,-0.000000>,1.500000
<-41.130497,226.462860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.130497,226.462860,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-39.829521,223.759628,-0.000000>,1.500000
<-40.611042,224.383514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-40.611042,224.383514,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.611042,224.383514,-0.000000>,1.500000
<-41.044701,225.284592,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.044701,225.284592,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-40.611042,224.383514,-0.000000>,1.500000
<-41.392563,225.007385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-41.392563,225.007385,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.392563,225.007385,-0.000000>,1.500000
<-42.367325,225.230637,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.367325,225.230637,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-41.392563,225.007385,-0.000000>,1.500000
<-42.174084,225.631271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.174084,225.631271,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.174084,225.631271,-0.000000>,1.500000
<-43.148846,225.854523,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.148846,225.854523,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.148846,225.854523,-0.000000>,1.500000
<-43.930367,226.478394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.930367,226.478394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.148846,225.854523,-0.000000>,1.500000
<-44.123604,226.077774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.123604,226.077774,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.123604,226.077774,-0.000000>,1.500000
<-45.098755,225.856216,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.098755,225.856216,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-44.123604,226.077774,-0.000000>,1.500000
<-45.098366,226.301025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-45.098366,226.301025,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.174084,225.631271,-0.000000>,1.500000
<-42.955605,226.255142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-42.955605,226.255142,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.955605,226.255142,-0.000000>,1.500000
<-43.389263,227.156219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.389263,227.156219,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-42.955605,226.255142,-0.000000>,1.500000
<-43.737125,226.879028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-43.737125,226.879028,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.737125,226.879028,-0.000000>,1.500000
<-44.711884,227.102280,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.711884,227.102280,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-43.737125,226.879028,-0.000000>,1.500000
<-44.518646,227.502914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-44.518646,227.502914,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.417591,210.658157,-0.000000>,1.500000
<-23.851250,211.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.851250,211.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.851250,211.559235,-0.000000>,1.500000
<-23.851250,212.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.851250,212.559235,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.851250,211.559235,-0.000000>,1.500000
<-24.284910,212.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.284910,212.460312,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.284910,212.460312,-0.000000>,1.500000
<-25.066429,213.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.066429,213.084198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.284910,212.460312,-0.000000>,1.500000
<-24.718569,213.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,213.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,213.361389,-0.000000>,1.500000
<-24.718569,214.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,214.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,214.361389,-0.000000>,1.500000
<-24.284910,215.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.284910,215.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,214.361389,-0.000000>,1.500000
<-24.718569,215.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,215.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,215.361389,-0.000000>,1.500000
<-25.152227,216.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,216.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,215.361389,-0.000000>,1.500000
<-24.718569,216.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.718569,216.361389,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.718569,213.361389,-0.000000>,1.500000
<-25.152227,214.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,214.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,214.262466,-0.000000>,1.500000
<-25.152227,215.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.152227,215.262466,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.152227,214.262466,-0.000000>,1.500000
<-25.585886,215.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.585886,215.163544,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.585886,215.163544,-0.000000>,1.500000
<-26.367407,215.787430,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.367407,215.787430,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.585886,215.163544,-0.000000>,1.500000
<-26.019547,216.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.019547,216.064621,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.019547,216.064621,-0.000000>,1.500000
<-26.801065,216.688507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.801065,216.688507,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.801065,216.688507,-0.000000>,1.500000
<-27.234726,217.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.234726,217.589584,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.801065,216.688507,-0.000000>,1.500000
<-27.582586,217.312378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.582586,217.312378,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.582586,217.312378,-0.000000>,1.500000
<-28.557348,217.535629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.557348,217.535629,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.582586,217.312378,-0.000000>,1.500000
<-28.364107,217.936264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.364107,217.936264,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.019547,216.064621,-0.000000>,1.500000
<-26.453205,216.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,216.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,216.965698,-0.000000>,1.500000
<-26.453205,217.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,217.965698,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,216.965698,-0.000000>,1.500000
<-26.886864,217.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,217.866776,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.886864,217.866776,-0.000000>,1.500000
<-27.668385,218.490662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.668385,218.490662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.886864,217.866776,-0.000000>,1.500000
<-27.320522,218.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,218.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,218.767853,-0.000000>,1.500000
<-27.320522,219.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,219.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,219.767853,-0.000000>,1.500000
<-26.886864,220.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,220.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,219.767853,-0.000000>,1.500000
<-27.320522,220.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,220.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,220.767853,-0.000000>,1.500000
<-27.754183,221.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,221.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,220.767853,-0.000000>,1.500000
<-27.320522,221.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,221.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,221.767853,-0.000000>,1.500000
<-26.886864,222.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,222.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.886864,222.668930,-0.000000>,1.500000
<-26.105343,223.292816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.105343,223.292816,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.886864,222.668930,-0.000000>,1.500000
<-26.453205,223.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,223.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,223.570007,-0.000000>,1.500000
<-26.453205,224.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.453205,224.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.453205,223.570007,-0.000000>,1.500000
<-26.019547,224.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.019547,224.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,221.767853,-0.000000>,1.500000
<-27.320522,222.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,222.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,222.767853,-0.000000>,1.500000
<-26.886864,223.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,223.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,222.767853,-0.000000>,1.500000
<-27.320522,223.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,223.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,223.767853,-0.000000>,1.500000
<-27.754183,224.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,224.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,223.767853,-0.000000>,1.500000
<-27.320522,224.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,224.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,224.767853,-0.000000>,1.500000
<-27.754183,225.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,225.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.754183,225.668930,-0.000000>,1.500000
<-27.754183,226.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,226.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.754183,225.668930,-0.000000>,1.500000
<-28.187841,226.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.187841,226.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.187841,226.570007,-0.000000>,1.500000
<-28.969362,227.193878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.969362,227.193878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.187841,226.570007,-0.000000>,1.500000
<-28.621500,227.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,227.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,224.767853,-0.000000>,1.500000
<-27.320522,225.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,225.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,225.767853,-0.000000>,1.500000
<-26.886864,226.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.886864,226.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,225.767853,-0.000000>,1.500000
<-27.320522,226.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,226.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,226.767853,-0.000000>,1.500000
<-27.754183,227.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,227.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,226.767853,-0.000000>,1.500000
<-27.320522,227.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.320522,227.767853,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.320522,218.767853,-0.000000>,1.500000
<-27.754183,219.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,219.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.754183,219.668930,-0.000000>,1.500000
<-27.754183,220.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.754183,220.668930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.754183,219.668930,-0.000000>,1.500000
<-28.187841,220.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.187841,220.570007,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.187841,220.570007,-0.000000>,1.500000
<-28.969362,221.193878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.969362,221.193878,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.187841,220.570007,-0.000000>,1.500000
<-28.621500,221.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,221.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,221.471085,-0.000000>,1.500000
<-28.621500,222.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,222.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,222.471085,-0.000000>,1.500000
<-28.187841,223.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.187841,223.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,222.471085,-0.000000>,1.500000
<-28.621500,223.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,223.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,223.471085,-0.000000>,1.500000
<-29.055159,224.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.055159,224.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,223.471085,-0.000000>,1.500000
<-28.621500,224.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.621500,224.471085,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.621500,221.471085,-0.000000>,1.500000
<-29.055159,222.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.055159,222.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.055159,222.372162,-0.000000>,1.500000
<-29.055159,223.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.055159,223.372162,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.055159,222.372162,-0.000000>,1.500000
<-29.488819,223.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.488819,223.273239,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.488819,223.273239,-0.000000>,1.500000
<-30.270340,223.897110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.270340,223.897110,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.488819,223.273239,-0.000000>,1.500000
<-29.922478,224.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.922478,224.174316,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.922478,224.174316,-0.000000>,1.500000
<-30.703999,224.798187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.703999,224.798187,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.703999,224.798187,-0.000000>,1.500000
<-31.137657,225.699265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.137657,225.699265,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.703999,224.798187,-0.000000>,1.500000
<-31.485519,225.422073,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.485519,225.422073,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.485519,225.422073,-0.000000>,1.500000
<-32.460281,225.645325,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.460281,225.645325,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.485519,225.422073,-0.000000>,1.500000
<-32.267040,226.045959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.267040,226.045959,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.922478,224.174316,-0.000000>,1.500000
<-30.356136,225.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.356136,225.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,225.075394,-0.000000>,1.500000
<-30.356136,226.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.356136,226.075394,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.356136,225.075394,-0.000000>,1.500000
<-30.789795,225.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.789795,225.976471,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.789795,225.976471,-0.000000>,1.500000
<-31.571316,226.600342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.571316,226.600342,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.789795,225.976471,-0.000000>,1.500000
<-31.223455,226.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.223455,226.877548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.223455,226.877548,-0.000000>,1.500000
<-32.004974,227.501419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.004974,227.501419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.004974,227.501419,-0.000000>,1.500000
<-32.438633,228.402496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.438633,228.402496,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.004974,227.501419,-0.000000>,1.500000
<-32.786495,228.125305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.786495,228.125305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.786495,228.125305,-0.000000>,1.500000
<-33.761257,228.348557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.761257,228.348557,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.786495,228.125305,-0.000000>,1.500000
<-33.568016,228.749191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.568016,228.749191,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.568016,228.749191,-0.000000>,1.500000
<-34.001675,229.650253,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.001675,229.650253,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.001675,229.650253,-0.000000>,1.500000
<-34.001675,230.650253,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.001675,230.650253,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.001675,229.650253,-0.000000>,1.500000
<-34.435333,230.551331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.435333,230.551331,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.435333,230.551331,-0.000000>,1.500000
<-35.216854,231.175217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.216854,231.175217,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.435333,230.551331,-0.000000>,1.500000
<-34.868992,231.452408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.868992,231.452408,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.568016,228.749191,-0.000000>,1.500000
<-34.349537,229.373062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.349537,229.373062,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.349537,229.373062,-0.000000>,1.500000
<-34.783195,230.274139,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.783195,230.274139,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.349537,229.373062,-0.000000>,1.500000
<-35.131058,229.996948,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.131058,229.996948,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.131058,229.996948,-0.000000>,1.500000
<-36.105820,230.220200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.105820,230.220200,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.131058,229.996948,-0.000000>,1.500000
<-35.912579,230.620819,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.912579,230.620819,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.912579,230.620819,-0.000000>,1.500000
<-36.887341,230.844070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.887341,230.844070,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.887341,230.844070,-0.000000>,1.500000
<-37.668861,231.467957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.668861,231.467957,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.887341,230.844070,-0.000000>,1.500000
<-37.862099,231.067322,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.862099,231.067322,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.862099,231.067322,-0.000000>,1.500000
<-38.837250,230.845779,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.837250,230.845779,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.862099,231.067322,-0.000000>,1.500000
<-38.836861,231.290573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.836861,231.290573,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.912579,230.620819,-0.000000>,1.500000
<-36.694099,231.244705,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.694099,231.244705,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.694099,231.244705,-0.000000>,1.500000
<-37.127758,232.145782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.127758,232.145782,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-36.694099,231.244705,-0.000000>,1.500000
<-37.475620,231.868576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-37.475620,231.868576,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.475620,231.868576,-0.000000>,1.500000
<-38.450378,232.091827,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.450378,232.091827,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-37.475620,231.868576,-0.000000>,1.500000
<-38.257141,232.492462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-38.257141,232.492462,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.223455,226.877548,-0.000000>,1.500000
<-31.657114,227.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.657114,227.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.657114,227.778625,-0.000000>,1.500000
<-31.657114,228.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.657114,228.778625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.657114,227.778625,-0.000000>,1.500000
<-32.090775,228.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.090775,228.679703,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.090775,228.679703,-0.000000>,1.500000
<-32.872295,229.303574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.872295,229.303574,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.090775,228.679703,-0.000000>,1.500000
<-32.524433,229.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,229.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,229.580780,-0.000000>,1.500000
<-32.524433,230.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,230.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,230.580780,-0.000000>,1.500000
<-32.090775,231.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.090775,231.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,230.580780,-0.000000>,1.500000
<-32.524433,231.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,231.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,231.580780,-0.000000>,1.500000
<-32.958092,232.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,232.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,231.580780,-0.000000>,1.500000
<-32.524433,232.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.524433,232.580780,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.524433,229.580780,-0.000000>,1.500000
<-32.958092,230.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,230.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,230.481857,-0.000000>,1.500000
<-32.958092,231.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.958092,231.481857,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-32.958092,230.481857,-0.000000>,1.500000
<-33.391750,231.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.391750,231.382935,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.391750,231.382935,-0.000000>,1.500000
<-34.173271,232.006805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.173271,232.006805,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.391750,231.382935,-0.000000>,1.500000
<-33.825409,232.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-33.825409,232.284012,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,232.284012,-0.000000>,1.500000
<-34.606930,232.907883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.606930,232.907883,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.606930,232.907883,-0.000000>,1.500000
<-35.040588,233.808960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.040588,233.808960,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.606930,232.907883,-0.000000>,1.500000
<-35.388451,233.531769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.388451,233.531769,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.388451,233.531769,-0.000000>,1.500000
<-36.363213,233.755020,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.363213,233.755020,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-35.388451,233.531769,-0.000000>,1.500000
<-36.169971,234.155640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-36.169971,234.155640,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-33.825409,232.284012,-0.000000>,1.500000
<-34.259068,233.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.259068,233.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.259068,233.185089,-0.000000>,1.500000
<-34.259068,234.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.259068,234.185089,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.259068,233.185089,-0.000000>,1.500000
<-34.692726,234.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-34.692726,234.086166,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,234.086166,-0.000000>,1.500000
<-35.474247,234.710037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.474247,234.710037,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-34.692726,234.086166,-0.000000>,1.500000
<-35.126389,234.987244,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-35.126389,234.987244,-0.000000>,1.500000
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
<0.433659,163.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,163.901077,-0.000000>,1.500000
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
<-0.433659,164.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,164.901077,-0.000000>,1.500000
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
<0.433659,165.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,165.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,165.901077,-0.000000>,1.500000
<1.215180,166.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,166.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,165.901077,-0.000000>,1.500000
<0.867318,166.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,166.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,166.802155,-0.000000>,1.500000
<0.867318,167.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,167.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,166.802155,-0.000000>,1.500000
<1.300977,167.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,167.703232,-0.000000>,1.500000
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
<0.433659,166.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,166.901077,-0.000000>,1.500000
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
<-0.433659,167.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,167.901077,-0.000000>,1.500000
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
<-0.433659,168.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,168.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,168.901077,-0.000000>,1.500000
<-0.433659,169.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,169.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,168.901077,-0.000000>,1.500000
<-0.867318,169.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,169.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,169.802155,-0.000000>,1.500000
<-1.648839,170.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,170.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,169.802155,-0.000000>,1.500000
<-1.300977,170.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,170.703232,-0.000000>,1.500000
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
<0.433659,169.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,169.901077,-0.000000>,1.500000
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
<-0.433659,170.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,170.901077,-0.000000>,1.500000
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
<0.433659,171.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,171.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,171.901077,-0.000000>,1.500000
<1.215180,172.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,172.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,171.901077,-0.000000>,1.500000
<0.867318,172.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,172.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,172.802155,-0.000000>,1.500000
<0.867318,173.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,173.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,172.802155,-0.000000>,1.500000
<1.300977,173.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,173.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,173.703232,-0.000000>,1.500000
<2.082498,174.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,174.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,174.327118,-0.000000>,1.500000
<3.057259,174.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,174.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,174.327118,-0.000000>,1.500000
<2.864018,174.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,174.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,174.950989,-0.000000>,1.500000
<3.297677,175.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,175.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,174.950989,-0.000000>,1.500000
<3.645539,175.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,175.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,173.703232,-0.000000>,1.500000
<1.734636,174.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,174.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,174.604309,-0.000000>,1.500000
<2.516157,175.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,175.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,174.604309,-0.000000>,1.500000
<2.168295,175.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,175.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,175.505386,-0.000000>,1.500000
<2.168295,176.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,176.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,175.505386,-0.000000>,1.500000
<2.601955,176.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,176.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,176.406464,-0.000000>,1.500000
<2.601955,177.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,177.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,177.406464,-0.000000>,1.500000
<3.035614,178.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,178.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,177.406464,-0.000000>,1.500000
<2.601955,178.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,178.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,178.406464,-0.000000>,1.500000
<2.168295,179.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,179.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,178.406464,-0.000000>,1.500000
<2.601955,179.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,179.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,176.406464,-0.000000>,1.500000
<3.035614,177.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,177.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,177.307541,-0.000000>,1.500000
<3.817134,177.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,177.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,177.307541,-0.000000>,1.500000
<3.469273,178.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,178.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,178.208618,-0.000000>,1.500000
<3.469273,179.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,179.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,178.208618,-0.000000>,1.500000
<3.902932,179.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,179.109695,-0.000000>,1.500000
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
<0.433659,172.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,172.901077,-0.000000>,1.500000
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
<-0.433659,173.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,173.901077,-0.000000>,1.500000
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
<0.433659,174.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,174.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,174.901077,-0.000000>,1.500000
<1.215180,175.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,175.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,174.901077,-0.000000>,1.500000
<0.867318,175.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,175.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,175.802155,-0.000000>,1.500000
<0.867318,176.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,176.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,175.802155,-0.000000>,1.500000
<1.300977,176.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,176.703232,-0.000000>,1.500000
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
<0.433659,175.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,175.901077,-0.000000>,1.500000
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
<-0.433659,176.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,176.901077,-0.000000>,1.500000
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
<-0.433659,177.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,177.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,177.901077,-0.000000>,1.500000
<-0.433659,178.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,178.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,177.901077,-0.000000>,1.500000
<-0.867318,178.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,178.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,178.802155,-0.000000>,1.500000
<-1.648839,179.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,179.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,178.802155,-0.000000>,1.500000
<-1.300977,179.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,179.703232,-0.000000>,1.500000
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
<0.433659,178.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,178.901077,-0.000000>,1.500000
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
<-0.433659,179.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,179.901077,-0.000000>,1.500000
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
<-0.433659,180.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,180.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,180.901077,-0.000000>,1.500000
<-0.433659,181.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,181.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,180.901077,-0.000000>,1.500000
<-0.867318,181.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,181.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,181.802155,-0.000000>,1.500000
<-1.648839,182.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,182.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,181.802155,-0.000000>,1.500000
<-1.300977,182.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,182.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,182.703232,-0.000000>,1.500000
<-1.300977,183.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,183.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,183.703232,-0.000000>,1.500000
<-0.867318,184.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,184.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,183.703232,-0.000000>,1.500000
<-1.300977,184.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,184.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,184.703232,-0.000000>,1.500000
<-1.734636,185.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,185.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,184.703232,-0.000000>,1.500000
<-1.300977,185.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,185.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,182.703232,-0.000000>,1.500000
<-1.734636,183.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,183.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,183.604309,-0.000000>,1.500000
<-1.734636,184.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,184.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,183.604309,-0.000000>,1.500000
<-2.168295,184.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,184.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,184.505386,-0.000000>,1.500000
<-2.949816,185.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,185.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,184.505386,-0.000000>,1.500000
<-2.601955,185.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,185.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,185.406464,-0.000000>,1.500000
<-3.383475,186.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,186.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,186.030334,-0.000000>,1.500000
<-3.817134,186.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,186.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,186.030334,-0.000000>,1.500000
<-4.164996,186.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,186.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,186.654221,-0.000000>,1.500000
<-5.139757,186.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,186.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,186.654221,-0.000000>,1.500000
<-4.946516,187.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,187.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,185.406464,-0.000000>,1.500000
<-3.035614,186.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,186.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,186.307541,-0.000000>,1.500000
<-3.035614,187.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,187.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,186.307541,-0.000000>,1.500000
<-3.469273,187.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,187.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,187.208618,-0.000000>,1.500000
<-4.250793,187.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,187.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,187.208618,-0.000000>,1.500000
<-3.902932,188.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,188.109695,-0.000000>,1.500000
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
<0.433659,181.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,181.901077,-0.000000>,1.500000
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
<-0.433659,182.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,182.901077,-0.000000>,1.500000
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
<0.433659,183.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,183.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,183.901077,-0.000000>,1.500000
<1.215180,184.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,184.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,183.901077,-0.000000>,1.500000
<0.867318,184.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,184.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,184.802155,-0.000000>,1.500000
<0.867318,185.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,185.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,184.802155,-0.000000>,1.500000
<1.300977,185.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,185.703232,-0.000000>,1.500000
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
<0.433659,184.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,184.901077,-0.000000>,1.500000
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
<-0.433659,185.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,185.901077,-0.000000>,1.500000
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
<-0.433659,186.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,186.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,186.901077,-0.000000>,1.500000
<-0.433659,187.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,187.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,186.901077,-0.000000>,1.500000
<-0.867318,187.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,187.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,187.802155,-0.000000>,1.500000
<-1.648839,188.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,188.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,187.802155,-0.000000>,1.500000
<-1.300977,188.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,188.703232,-0.000000>,1.500000
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
<0.433659,187.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,187.901077,-0.000000>,1.500000
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
<-0.433659,188.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,188.901077,-0.000000>,1.500000
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
<0.433659,189.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,189.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,189.901077,-0.000000>,1.500000
<1.215180,190.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,190.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,189.901077,-0.000000>,1.500000
<0.867318,190.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,190.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,190.802155,-0.000000>,1.500000
<0.867318,191.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,191.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,190.802155,-0.000000>,1.500000
<1.300977,191.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,191.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,191.703232,-0.000000>,1.500000
<2.082498,192.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,192.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,192.327118,-0.000000>,1.500000
<3.057259,192.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,192.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,192.327118,-0.000000>,1.500000
<2.864018,192.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,192.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,192.950989,-0.000000>,1.500000
<3.297677,193.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,193.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,192.950989,-0.000000>,1.500000
<3.645539,193.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,193.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,191.703232,-0.000000>,1.500000
<1.734636,192.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,192.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,192.604309,-0.000000>,1.500000
<2.516157,193.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,193.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,192.604309,-0.000000>,1.500000
<2.168295,193.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,193.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,193.505386,-0.000000>,1.500000
<2.168295,194.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,194.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,193.505386,-0.000000>,1.500000
<2.601955,194.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,194.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,194.406464,-0.000000>,1.500000
<2.601955,195.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,195.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,195.406464,-0.000000>,1.500000
<3.035614,196.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,196.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,195.406464,-0.000000>,1.500000
<2.601955,196.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,196.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,196.406464,-0.000000>,1.500000
<2.168295,197.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,197.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,196.406464,-0.000000>,1.500000
<2.601955,197.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,197.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,194.406464,-0.000000>,1.500000
<3.035614,195.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,195.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,195.307541,-0.000000>,1.500000
<3.817134,195.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,195.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,195.307541,-0.000000>,1.500000
<3.469273,196.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,196.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,196.208618,-0.000000>,1.500000
<3.469273,197.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,197.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,196.208618,-0.000000>,1.500000
<3.902932,197.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,197.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,197.109695,-0.000000>,1.500000
<4.684453,197.733566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.684453,197.733566,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,197.733566,-0.000000>,1.500000
<5.659214,197.956818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.659214,197.956818,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.684453,197.733566,-0.000000>,1.500000
<5.465973,198.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.465973,198.357452,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,198.357452,-0.000000>,1.500000
<5.899632,199.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.899632,199.258530,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.465973,198.357452,-0.000000>,1.500000
<6.247493,198.981339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.247493,198.981339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,198.981339,-0.000000>,1.500000
<7.222255,199.204575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.222255,199.204575,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,199.204575,-0.000000>,1.500000
<8.197404,198.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197404,198.983032,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.222255,199.204575,-0.000000>,1.500000
<8.197016,199.427826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.197016,199.427826,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,199.427826,-0.000000>,1.500000
<8.978537,200.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.978537,200.051712,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.197016,199.427826,-0.000000>,1.500000
<9.171777,199.651077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.171777,199.651077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.247493,198.981339,-0.000000>,1.500000
<7.029014,199.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.029014,199.605209,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,199.605209,-0.000000>,1.500000
<8.003775,199.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.003775,199.828461,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.029014,199.605209,-0.000000>,1.500000
<7.810534,200.229095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.810534,200.229095,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,200.229095,-0.000000>,1.500000
<8.244193,201.130173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244193,201.130173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.810534,200.229095,-0.000000>,1.500000
<8.592054,200.852966,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.592054,200.852966,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,200.852966,-0.000000>,1.500000
<9.025714,201.754044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.025714,201.754044,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,201.754044,-0.000000>,1.500000
<9.807235,202.377930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.807235,202.377930,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.025714,201.754044,-0.000000>,1.500000
<9.459373,202.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,202.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,202.655121,-0.000000>,1.500000
<9.459373,203.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.459373,203.655121,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.459373,202.655121,-0.000000>,1.500000
<9.893032,203.556198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.893032,203.556198,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.592054,200.852966,-0.000000>,1.500000
<9.373575,201.476852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.373575,201.476852,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,201.476852,-0.000000>,1.500000
<10.348336,201.700104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.348336,201.700104,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.373575,201.476852,-0.000000>,1.500000
<10.155096,202.100723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.155096,202.100723,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,202.100723,-0.000000>,1.500000
<10.588755,203.001801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.588755,203.001801,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.155096,202.100723,-0.000000>,1.500000
<10.936616,202.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.936616,202.724609,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.902932,197.109695,-0.000000>,1.500000
<4.336591,198.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.336591,198.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,198.010773,-0.000000>,1.500000
<5.118112,198.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.118112,198.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.336591,198.010773,-0.000000>,1.500000
<4.770250,198.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,198.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,198.911850,-0.000000>,1.500000
<4.770250,199.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.770250,199.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.770250,198.911850,-0.000000>,1.500000
<5.203909,199.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.203909,199.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,199.812927,-0.000000>,1.500000
<5.985430,200.436798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.985430,200.436798,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,200.436798,-0.000000>,1.500000
<6.960191,200.660049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.960191,200.660049,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.985430,200.436798,-0.000000>,1.500000
<6.766950,201.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.766950,201.060684,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,201.060684,-0.000000>,1.500000
<7.200609,201.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.200609,201.961761,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.766950,201.060684,-0.000000>,1.500000
<7.548470,201.684570,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.548470,201.684570,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.203909,199.812927,-0.000000>,1.500000
<5.637568,200.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.637568,200.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,200.714005,-0.000000>,1.500000
<6.419089,201.337875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.419089,201.337875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.637568,200.714005,-0.000000>,1.500000
<6.071228,201.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,201.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,201.615082,-0.000000>,1.500000
<6.071228,202.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,202.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.071228,201.615082,-0.000000>,1.500000
<6.504887,202.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,202.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,202.516159,-0.000000>,1.500000
<6.504887,203.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,203.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,203.516159,-0.000000>,1.500000
<6.938546,204.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,204.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,203.516159,-0.000000>,1.500000
<6.504887,204.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,204.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,204.516159,-0.000000>,1.500000
<6.071228,205.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.071228,205.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,204.516159,-0.000000>,1.500000
<6.504887,205.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,205.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.504887,202.516159,-0.000000>,1.500000
<6.938546,203.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,203.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,203.417236,-0.000000>,1.500000
<7.720066,204.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.720066,204.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,203.417236,-0.000000>,1.500000
<7.372205,204.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,204.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,204.318314,-0.000000>,1.500000
<7.372205,205.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,205.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,204.318314,-0.000000>,1.500000
<7.805864,205.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,205.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,205.219391,-0.000000>,1.500000
<7.805864,206.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,206.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,206.219391,-0.000000>,1.500000
<8.239523,207.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,207.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,206.219391,-0.000000>,1.500000
<7.805864,207.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,207.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,207.219391,-0.000000>,1.500000
<7.372205,208.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,208.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,207.219391,-0.000000>,1.500000
<7.805864,208.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,208.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,208.219391,-0.000000>,1.500000
<8.239523,209.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,209.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,209.120468,-0.000000>,1.500000
<9.021044,209.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,209.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,209.120468,-0.000000>,1.500000
<8.673182,210.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,210.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,210.021545,-0.000000>,1.500000
<8.673182,211.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,211.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,210.021545,-0.000000>,1.500000
<9.106841,210.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,210.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,208.219391,-0.000000>,1.500000
<7.805864,209.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,209.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,209.219391,-0.000000>,1.500000
<8.239523,210.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,210.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,209.219391,-0.000000>,1.500000
<7.805864,210.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,210.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,210.219391,-0.000000>,1.500000
<7.372205,211.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,211.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,210.219391,-0.000000>,1.500000
<7.805864,211.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,211.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,211.219391,-0.000000>,1.500000
<7.372205,212.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,212.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,212.120468,-0.000000>,1.500000
<7.372205,213.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,213.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.372205,212.120468,-0.000000>,1.500000
<6.938546,213.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.938546,213.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,213.021545,-0.000000>,1.500000
<6.157025,213.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.157025,213.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.938546,213.021545,-0.000000>,1.500000
<6.504887,213.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.504887,213.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,211.219391,-0.000000>,1.500000
<7.805864,212.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,212.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,212.219391,-0.000000>,1.500000
<8.239523,213.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,213.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,212.219391,-0.000000>,1.500000
<7.805864,213.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,213.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,213.219391,-0.000000>,1.500000
<7.372205,214.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.372205,214.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,213.219391,-0.000000>,1.500000
<7.805864,214.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.805864,214.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.805864,205.219391,-0.000000>,1.500000
<8.239523,206.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.239523,206.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,206.120468,-0.000000>,1.500000
<9.021044,206.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.021044,206.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.239523,206.120468,-0.000000>,1.500000
<8.673182,207.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,207.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,207.021545,-0.000000>,1.500000
<8.673182,208.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.673182,208.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.673182,207.021545,-0.000000>,1.500000
<9.106841,207.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.106841,207.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,207.922623,-0.000000>,1.500000
<9.888362,208.546494,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.888362,208.546494,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,208.546494,-0.000000>,1.500000
<10.863123,208.769745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.863123,208.769745,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.888362,208.546494,-0.000000>,1.500000
<10.669882,209.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.669882,209.170380,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,209.170380,-0.000000>,1.500000
<11.103541,210.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.103541,210.071457,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.669882,209.170380,-0.000000>,1.500000
<11.451403,209.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.451403,209.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.106841,207.922623,-0.000000>,1.500000
<9.540500,208.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.540500,208.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,208.823700,-0.000000>,1.500000
<10.322021,209.447571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.322021,209.447571,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.540500,208.823700,-0.000000>,1.500000
<9.974159,209.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,209.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,209.724777,-0.000000>,1.500000
<9.974159,210.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,210.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.974159,209.724777,-0.000000>,1.500000
<10.407819,210.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,210.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,210.625854,-0.000000>,1.500000
<10.407819,211.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,211.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,211.625854,-0.000000>,1.500000
<10.841477,212.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,212.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,211.625854,-0.000000>,1.500000
<10.407819,212.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,212.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,212.625854,-0.000000>,1.500000
<9.974159,213.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.974159,213.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,212.625854,-0.000000>,1.500000
<10.407819,213.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407819,213.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.407819,210.625854,-0.000000>,1.500000
<10.841477,211.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841477,211.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,211.526932,-0.000000>,1.500000
<11.622998,212.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.622998,212.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841477,211.526932,-0.000000>,1.500000
<11.275137,212.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,212.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,212.428009,-0.000000>,1.500000
<11.275137,213.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.275137,213.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.275137,212.428009,-0.000000>,1.500000
<11.708796,213.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.708796,213.329086,-0.000000>,1.500000
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
<0.433659,190.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,190.901077,-0.000000>,1.500000
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
<-0.433659,191.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,191.901077,-0.000000>,1.500000
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
<0.433659,192.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,192.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,192.901077,-0.000000>,1.500000
<1.215180,193.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,193.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,192.901077,-0.000000>,1.500000
<0.867318,193.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,193.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,193.802155,-0.000000>,1.500000
<0.867318,194.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,194.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,193.802155,-0.000000>,1.500000
<1.300977,194.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,194.703232,-0.000000>,1.500000
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
<0.433659,193.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,193.901077,-0.000000>,1.500000
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
<-0.433659,194.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,194.901077,-0.000000>,1.500000
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
<-0.433659,195.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,195.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,195.901077,-0.000000>,1.500000
<-0.433659,196.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,196.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,195.901077,-0.000000>,1.500000
<-0.867318,196.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,196.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,196.802155,-0.000000>,1.500000
<-1.648839,197.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,197.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,196.802155,-0.000000>,1.500000
<-1.300977,197.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,197.703232,-0.000000>,1.500000
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
<0.433659,196.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,196.901077,-0.000000>,1.500000
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
<-0.433659,197.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,197.901077,-0.000000>,1.500000
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
<0.433659,198.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,198.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,198.901077,-0.000000>,1.500000
<1.215180,199.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,199.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,198.901077,-0.000000>,1.500000
<0.867318,199.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,199.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,199.802155,-0.000000>,1.500000
<0.867318,200.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,200.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,199.802155,-0.000000>,1.500000
<1.300977,200.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,200.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,200.703232,-0.000000>,1.500000
<2.082498,201.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,201.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,201.327118,-0.000000>,1.500000
<3.057259,201.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,201.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,201.327118,-0.000000>,1.500000
<2.864018,201.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,201.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,201.950989,-0.000000>,1.500000
<3.297677,202.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,202.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,201.950989,-0.000000>,1.500000
<3.645539,202.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,202.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,200.703232,-0.000000>,1.500000
<1.734636,201.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,201.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,201.604309,-0.000000>,1.500000
<2.516157,202.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,202.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,201.604309,-0.000000>,1.500000
<2.168295,202.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,202.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,202.505386,-0.000000>,1.500000
<2.168295,203.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,203.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,202.505386,-0.000000>,1.500000
<2.601955,203.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,203.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,203.406464,-0.000000>,1.500000
<2.601955,204.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,204.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,204.406464,-0.000000>,1.500000
<3.035614,205.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,205.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,204.406464,-0.000000>,1.500000
<2.601955,205.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,205.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,205.406464,-0.000000>,1.500000
<2.168295,206.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,206.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,205.406464,-0.000000>,1.500000
<2.601955,206.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,206.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,203.406464,-0.000000>,1.500000
<3.035614,204.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,204.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,204.307541,-0.000000>,1.500000
<3.817134,204.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,204.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,204.307541,-0.000000>,1.500000
<3.469273,205.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,205.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,205.208618,-0.000000>,1.500000
<3.469273,206.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,206.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,205.208618,-0.000000>,1.500000
<3.902932,206.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,206.109695,-0.000000>,1.500000
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
<0.433659,199.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,199.901077,-0.000000>,1.500000
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
<-0.433659,200.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,200.901077,-0.000000>,1.500000
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
<0.433659,201.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,201.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,201.901077,-0.000000>,1.500000
<1.215180,202.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,202.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,201.901077,-0.000000>,1.500000
<0.867318,202.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,202.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,202.802155,-0.000000>,1.500000
<0.867318,203.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,203.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,202.802155,-0.000000>,1.500000
<1.300977,203.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,203.703232,-0.000000>,1.500000
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
<0.433659,202.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,202.901077,-0.000000>,1.500000
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
<-0.433659,203.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,203.901077,-0.000000>,1.500000
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
<-0.433659,204.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,204.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,204.901077,-0.000000>,1.500000
<-0.433659,205.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,205.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,204.901077,-0.000000>,1.500000
<-0.867318,205.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,205.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,205.802155,-0.000000>,1.500000
<-1.648839,206.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,206.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,205.802155,-0.000000>,1.500000
<-1.300977,206.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,206.703232,-0.000000>,1.500000
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
<0.433659,205.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,205.901077,-0.000000>,1.500000
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
<-0.433659,206.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,206.901077,-0.000000>,1.500000
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
<-0.433659,207.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,207.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,207.901077,-0.000000>,1.500000
<-0.433659,208.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,208.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,207.901077,-0.000000>,1.500000
<-0.867318,208.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,208.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,208.802155,-0.000000>,1.500000
<-1.648839,209.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,209.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,208.802155,-0.000000>,1.500000
<-1.300977,209.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,209.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,209.703232,-0.000000>,1.500000
<-1.300977,210.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,210.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,210.703232,-0.000000>,1.500000
<-0.867318,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,210.703232,-0.000000>,1.500000
<-1.300977,211.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,211.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,211.703232,-0.000000>,1.500000
<-1.734636,212.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,212.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,211.703232,-0.000000>,1.500000
<-1.300977,212.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,212.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,209.703232,-0.000000>,1.500000
<-1.734636,210.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,210.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,210.604309,-0.000000>,1.500000
<-1.734636,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,211.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,210.604309,-0.000000>,1.500000
<-2.168295,211.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,211.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,211.505386,-0.000000>,1.500000
<-2.949816,212.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,212.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,211.505386,-0.000000>,1.500000
<-2.601955,212.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,212.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,212.406464,-0.000000>,1.500000
<-3.383475,213.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,213.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,213.030334,-0.000000>,1.500000
<-3.817134,213.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,213.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,213.030334,-0.000000>,1.500000
<-4.164996,213.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,213.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,213.654221,-0.000000>,1.500000
<-5.139757,213.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,213.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,213.654221,-0.000000>,1.500000
<-4.946516,214.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,214.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,212.406464,-0.000000>,1.500000
<-3.035614,213.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,213.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,213.307541,-0.000000>,1.500000
<-3.035614,214.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,214.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,213.307541,-0.000000>,1.500000
<-3.469273,214.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,214.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,214.208618,-0.000000>,1.500000
<-4.250793,214.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,214.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,214.208618,-0.000000>,1.500000
<-3.902932,215.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,215.109695,-0.000000>,1.500000
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
<-0.433659,209.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,209.901077,-0.000000>,1.500000
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
<0.433659,210.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,210.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,210.901077,-0.000000>,1.500000
<1.215180,211.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,211.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,210.901077,-0.000000>,1.500000
<0.867318,211.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,211.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,211.802155,-0.000000>,1.500000
<0.867318,212.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,212.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,211.802155,-0.000000>,1.500000
<1.300977,212.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,212.703232,-0.000000>,1.500000
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
<0.433659,211.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,211.901077,-0.000000>,1.500000
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
<-0.433659,212.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,212.901077,-0.000000>,1.500000
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
<-0.433659,213.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,213.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,213.901077,-0.000000>,1.500000
<-0.433659,214.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,214.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,213.901077,-0.000000>,1.500000
<-0.867318,214.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,214.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,214.802155,-0.000000>,1.500000
<-1.648839,215.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,215.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,214.802155,-0.000000>,1.500000
<-1.300977,215.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,215.703232,-0.000000>,1.500000
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
<0.433659,214.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,214.901077,-0.000000>,1.500000
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
<-0.433659,215.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,215.901077,-0.000000>,1.500000
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
<-0.433659,216.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,216.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,216.901077,-0.000000>,1.500000
<-0.433659,217.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,217.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,216.901077,-0.000000>,1.500000
<-0.867318,217.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,217.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,217.802155,-0.000000>,1.500000
<-1.648839,218.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,218.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,217.802155,-0.000000>,1.500000
<-1.300977,218.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,218.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,218.703232,-0.000000>,1.500000
<-1.300977,219.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,219.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,219.703232,-0.000000>,1.500000
<-0.867318,220.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,220.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,219.703232,-0.000000>,1.500000
<-1.300977,220.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,220.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,220.703232,-0.000000>,1.500000
<-1.734636,221.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,221.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,220.703232,-0.000000>,1.500000
<-1.300977,221.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,221.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,218.703232,-0.000000>,1.500000
<-1.734636,219.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,219.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,219.604309,-0.000000>,1.500000
<-1.734636,220.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,220.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.734636,219.604309,-0.000000>,1.500000
<-2.168295,220.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.168295,220.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,220.505386,-0.000000>,1.500000
<-2.949816,221.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,221.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.168295,220.505386,-0.000000>,1.500000
<-2.601955,221.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,221.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,221.406464,-0.000000>,1.500000
<-3.383475,222.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,222.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,222.030334,-0.000000>,1.500000
<-3.817134,222.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,222.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,222.030334,-0.000000>,1.500000
<-4.164996,222.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,222.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,222.654221,-0.000000>,1.500000
<-5.139757,222.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,222.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,222.654221,-0.000000>,1.500000
<-4.946516,223.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,223.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,221.406464,-0.000000>,1.500000
<-3.035614,222.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,222.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,222.307541,-0.000000>,1.500000
<-3.035614,223.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,223.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,222.307541,-0.000000>,1.500000
<-3.469273,223.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,223.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,223.208618,-0.000000>,1.500000
<-4.250793,223.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,223.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,223.208618,-0.000000>,1.500000
<-3.902932,224.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,224.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,224.109695,-0.000000>,1.500000
<-3.902932,225.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,225.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,225.109695,-0.000000>,1.500000
<-3.469273,226.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,226.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,225.109695,-0.000000>,1.500000
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
<-3.902932,226.109695,-0.000000>,1.500000
<-3.902932,227.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,227.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,227.109695,-0.000000>,1.500000
<-3.469273,228.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,228.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,228.010773,-0.000000>,1.500000
<-2.687752,228.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.687752,228.634644,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,228.010773,-0.000000>,1.500000
<-3.035614,228.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,228.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,228.911850,-0.000000>,1.500000
<-3.035614,229.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,229.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,228.911850,-0.000000>,1.500000
<-2.601955,229.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.601955,229.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,227.109695,-0.000000>,1.500000
<-3.902932,228.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,228.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,228.109695,-0.000000>,1.500000
<-3.469273,229.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,229.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,228.109695,-0.000000>,1.500000
<-3.902932,229.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,229.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,229.109695,-0.000000>,1.500000
<-4.336591,230.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,230.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,229.109695,-0.000000>,1.500000
<-3.902932,230.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,230.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,230.109695,-0.000000>,1.500000
<-4.336591,231.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,231.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,231.010773,-0.000000>,1.500000
<-4.336591,232.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,232.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,231.010773,-0.000000>,1.500000
<-4.770250,231.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,231.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,231.911850,-0.000000>,1.500000
<-5.551771,232.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,232.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,231.911850,-0.000000>,1.500000
<-5.203909,232.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,232.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,230.109695,-0.000000>,1.500000
<-3.902932,231.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,231.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,231.109695,-0.000000>,1.500000
<-3.469273,232.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,232.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,231.109695,-0.000000>,1.500000
<-3.902932,232.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,232.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,232.109695,-0.000000>,1.500000
<-4.336591,233.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,233.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,232.109695,-0.000000>,1.500000
<-3.902932,233.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,233.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.902932,224.109695,-0.000000>,1.500000
<-4.336591,225.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,225.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,225.010773,-0.000000>,1.500000
<-4.336591,226.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.336591,226.010773,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.336591,225.010773,-0.000000>,1.500000
<-4.770250,225.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,225.911850,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,225.911850,-0.000000>,1.500000
<-5.551771,226.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.551771,226.535721,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.770250,225.911850,-0.000000>,1.500000
<-5.203909,226.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,226.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,226.812927,-0.000000>,1.500000
<-5.203909,227.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,227.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,227.812927,-0.000000>,1.500000
<-4.770250,228.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.770250,228.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,227.812927,-0.000000>,1.500000
<-5.203909,228.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,228.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,228.812927,-0.000000>,1.500000
<-5.637568,229.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,229.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,228.812927,-0.000000>,1.500000
<-5.203909,229.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.203909,229.812927,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.203909,226.812927,-0.000000>,1.500000
<-5.637568,227.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,227.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,227.714005,-0.000000>,1.500000
<-5.637568,228.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.637568,228.714005,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.637568,227.714005,-0.000000>,1.500000
<-6.071228,228.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.071228,228.615082,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,228.615082,-0.000000>,1.500000
<-6.852748,229.238953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.852748,229.238953,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.071228,228.615082,-0.000000>,1.500000
<-6.504887,229.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.504887,229.516159,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,229.516159,-0.000000>,1.500000
<-7.286407,230.140030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.286407,230.140030,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,230.140030,-0.000000>,1.500000
<-7.720066,231.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.720066,231.041107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.286407,230.140030,-0.000000>,1.500000
<-8.067927,230.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.067927,230.763916,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,230.763916,-0.000000>,1.500000
<-9.042688,230.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.042688,230.987167,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.067927,230.763916,-0.000000>,1.500000
<-8.849448,231.387787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.849448,231.387787,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.504887,229.516159,-0.000000>,1.500000
<-6.938546,230.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,230.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,230.417236,-0.000000>,1.500000
<-6.938546,231.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.938546,231.417236,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.938546,230.417236,-0.000000>,1.500000
<-7.372205,231.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.372205,231.318314,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,231.318314,-0.000000>,1.500000
<-8.153725,231.942184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.153725,231.942184,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.372205,231.318314,-0.000000>,1.500000
<-7.805864,232.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.805864,232.219391,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,232.219391,-0.000000>,1.500000
<-8.587384,232.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.587384,232.843262,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,232.843262,-0.000000>,1.500000
<-9.021044,233.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.021044,233.744339,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.587384,232.843262,-0.000000>,1.500000
<-9.368905,233.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.368905,233.467148,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,233.467148,-0.000000>,1.500000
<-10.343666,233.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.343666,233.690399,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.368905,233.467148,-0.000000>,1.500000
<-10.150425,234.091019,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.150425,234.091019,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,234.091019,-0.000000>,1.500000
<-10.584085,234.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,234.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,234.992096,-0.000000>,1.500000
<-10.584085,235.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.584085,235.992096,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.584085,234.992096,-0.000000>,1.500000
<-11.017743,235.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.017743,235.893173,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,235.893173,-0.000000>,1.500000
<-11.799264,236.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799264,236.517059,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.017743,235.893173,-0.000000>,1.500000
<-11.451403,236.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.451403,236.794250,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.150425,234.091019,-0.000000>,1.500000
<-10.931946,234.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.931946,234.714905,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,234.714905,-0.000000>,1.500000
<-11.365604,235.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.365604,235.615982,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.931946,234.714905,-0.000000>,1.500000
<-11.713467,235.338791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.713467,235.338791,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,235.338791,-0.000000>,1.500000
<-12.688228,235.562027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.688228,235.562027,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.713467,235.338791,-0.000000>,1.500000
<-12.494987,235.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.494987,235.962662,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,235.962662,-0.000000>,1.500000
<-13.469748,236.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.469748,236.185913,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,236.185913,-0.000000>,1.500000
<-14.251268,236.809799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.251268,236.809799,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.469748,236.185913,-0.000000>,1.500000
<-14.444510,236.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.444510,236.409164,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,236.409164,-0.000000>,1.500000
<-15.419659,236.187622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419659,236.187622,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.444510,236.409164,-0.000000>,1.500000
<-15.419271,236.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.419271,236.632416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.494987,235.962662,-0.000000>,1.500000
<-13.276507,236.586548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.276507,236.586548,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,236.586548,-0.000000>,1.500000
<-13.710166,237.487625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.710166,237.487625,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.276507,236.586548,-0.000000>,1.500000
<-14.058027,237.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.058027,237.210419,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,237.210419,-0.000000>,1.500000
<-15.032789,237.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.032789,237.433670,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.058027,237.210419,-0.000000>,1.500000
<-14.839548,237.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.839548,237.834305,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.805864,232.219391,-0.000000>,1.500000
<-8.239523,233.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,233.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,233.120468,-0.000000>,1.500000
<-8.239523,234.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.239523,234.120468,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.239523,233.120468,-0.000000>,1.500000
<-8.673182,234.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,234.021545,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,234.021545,-0.000000>,1.500000
<-9.454702,234.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.454702,234.645416,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.673182,234.021545,-0.000000>,1.500000
<-9.106841,234.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,234.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,234.922623,-0.000000>,1.500000
<-9.106841,235.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,235.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,235.922623,-0.000000>,1.500000
<-8.673182,236.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.673182,236.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,235.922623,-0.000000>,1.500000
<-9.106841,236.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,236.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,236.922623,-0.000000>,1.500000
<-9.540500,237.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,237.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,236.922623,-0.000000>,1.500000
<-9.106841,237.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.106841,237.922623,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.106841,234.922623,-0.000000>,1.500000
<-9.540500,235.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,235.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,235.823700,-0.000000>,1.500000
<-9.540500,236.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.540500,236.823700,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.540500,235.823700,-0.000000>,1.500000
<-9.974159,236.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.974159,236.724777,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,236.724777,-0.000000>,1.500000
<-10.755680,237.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.755680,237.348648,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.974159,236.724777,-0.000000>,1.500000
<-10.407819,237.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.407819,237.625854,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,237.625854,-0.000000>,1.500000
<-11.189339,238.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.189339,238.249725,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,238.249725,-0.000000>,1.500000
<-11.622998,239.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.622998,239.150803,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.189339,238.249725,-0.000000>,1.500000
<-11.970860,238.873611,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.970860,238.873611,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,238.873611,-0.000000>,1.500000
<-12.945621,239.096863,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.945621,239.096863,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.970860,238.873611,-0.000000>,1.500000
<-12.752379,239.497482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.752379,239.497482,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.407819,237.625854,-0.000000>,1.500000
<-10.841477,238.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,238.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,238.526932,-0.000000>,1.500000
<-10.841477,239.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.841477,239.526932,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.841477,238.526932,-0.000000>,1.500000
<-11.275137,239.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.275137,239.428009,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,239.428009,-0.000000>,1.500000
<-12.056657,240.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.056657,240.051880,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.275137,239.428009,-0.000000>,1.500000
<-11.708796,240.329086,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.708796,240.329086,-0.000000>,1.500000
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
<0.433659,217.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,217.901077,-0.000000>,1.500000
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
<-0.433659,218.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,218.901077,-0.000000>,1.500000
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
<0.433659,219.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,219.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,219.901077,-0.000000>,1.500000
<1.215180,220.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,220.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,219.901077,-0.000000>,1.500000
<0.867318,220.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,220.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,220.802155,-0.000000>,1.500000
<0.867318,221.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,221.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,220.802155,-0.000000>,1.500000
<1.300977,221.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,221.703232,-0.000000>,1.500000
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
<0.433659,220.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,220.901077,-0.000000>,1.500000
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
<-0.433659,221.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,221.901077,-0.000000>,1.500000
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
<-0.433659,222.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,222.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,222.901077,-0.000000>,1.500000
<-0.433659,223.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,223.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,222.901077,-0.000000>,1.500000
<-0.867318,223.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,223.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,223.802155,-0.000000>,1.500000
<-1.648839,224.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,224.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,223.802155,-0.000000>,1.500000
<-1.300977,224.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,224.703232,-0.000000>,1.500000
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
<0.433659,223.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,223.901077,-0.000000>,1.500000
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
<-0.433659,224.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,224.901077,-0.000000>,1.500000
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
<0.433659,225.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,225.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,225.901077,-0.000000>,1.500000
<1.215180,226.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,226.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,225.901077,-0.000000>,1.500000
<0.867318,226.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,226.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,226.802155,-0.000000>,1.500000
<0.867318,227.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,227.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,226.802155,-0.000000>,1.500000
<1.300977,227.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,227.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,227.703232,-0.000000>,1.500000
<2.082498,228.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.082498,228.327118,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,228.327118,-0.000000>,1.500000
<3.057259,228.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.057259,228.550354,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.082498,228.327118,-0.000000>,1.500000
<2.864018,228.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.864018,228.950989,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,228.950989,-0.000000>,1.500000
<3.297677,229.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.297677,229.852066,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.864018,228.950989,-0.000000>,1.500000
<3.645539,229.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.645539,229.574875,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.300977,227.703232,-0.000000>,1.500000
<1.734636,228.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.734636,228.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,228.604309,-0.000000>,1.500000
<2.516157,229.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.516157,229.228195,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.734636,228.604309,-0.000000>,1.500000
<2.168295,229.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,229.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,229.505386,-0.000000>,1.500000
<2.168295,230.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,230.505386,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.168295,229.505386,-0.000000>,1.500000
<2.601955,230.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,230.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,230.406464,-0.000000>,1.500000
<2.601955,231.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,231.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,231.406464,-0.000000>,1.500000
<3.035614,232.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,232.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,231.406464,-0.000000>,1.500000
<2.601955,232.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,232.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,232.406464,-0.000000>,1.500000
<2.168295,233.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.168295,233.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,232.406464,-0.000000>,1.500000
<2.601955,233.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.601955,233.406464,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.601955,230.406464,-0.000000>,1.500000
<3.035614,231.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.035614,231.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,231.307541,-0.000000>,1.500000
<3.817134,231.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.817134,231.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.035614,231.307541,-0.000000>,1.500000
<3.469273,232.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,232.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,232.208618,-0.000000>,1.500000
<3.469273,233.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.469273,233.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.469273,232.208618,-0.000000>,1.500000
<3.902932,233.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.902932,233.109695,-0.000000>,1.500000
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
<0.433659,226.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,226.901077,-0.000000>,1.500000
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
<-0.433659,227.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,227.901077,-0.000000>,1.500000
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
<0.433659,228.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,228.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,228.901077,-0.000000>,1.500000
<1.215180,229.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,229.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,228.901077,-0.000000>,1.500000
<0.867318,229.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,229.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,229.802155,-0.000000>,1.500000
<0.867318,230.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,230.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,229.802155,-0.000000>,1.500000
<1.300977,230.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,230.703232,-0.000000>,1.500000
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
<0.433659,229.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,229.901077,-0.000000>,1.500000
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
<-0.433659,230.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,230.901077,-0.000000>,1.500000
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
<-0.433659,231.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,231.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,231.901077,-0.000000>,1.500000
<-0.433659,232.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,232.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,231.901077,-0.000000>,1.500000
<-0.867318,232.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,232.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,232.802155,-0.000000>,1.500000
<-1.648839,233.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,233.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,232.802155,-0.000000>,1.500000
<-1.300977,233.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,233.703232,-0.000000>,1.500000
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
<-0.433659,233.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,233.901077,-0.000000>,1.500000
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
<-0.433659,234.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,234.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,234.901077,-0.000000>,1.500000
<-0.433659,235.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,235.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,234.901077,-0.000000>,1.500000
<-0.867318,235.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,235.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,235.802155,-0.000000>,1.500000
<-1.648839,236.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,236.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,235.802155,-0.000000>,1.500000
<-1.300977,236.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,236.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,236.703232,-0.000000>,1.500000
<-1.300977,237.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,237.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,237.703232,-0.000000>,1.500000
<-0.867318,238.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,238.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,237.703232,-0.000000>,1.500000
<-1.300977,238.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,238.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,238.703232,-0.000000>,1.500000
<-1.734636,239.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,239.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,238.703232,-0.000000>,1.500000
<-1.300977,239.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,239.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.300977,236.703232,-0.000000>,1.500000
<-1.734636,237.604309,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.734636,237.604309,-0.000000>,1.500000
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
<-2.949816,239.129257,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.949816,239.129257,-0.000000>,1.500000
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
<-2.601955,239.406464,-0.000000>,1.500000
<-3.383475,240.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.383475,240.030334,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,240.030334,-0.000000>,1.500000
<-3.817134,240.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.817134,240.931412,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.383475,240.030334,-0.000000>,1.500000
<-4.164996,240.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.164996,240.654221,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,240.654221,-0.000000>,1.500000
<-5.139757,240.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.139757,240.877472,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.164996,240.654221,-0.000000>,1.500000
<-4.946516,241.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.946516,241.278107,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.601955,239.406464,-0.000000>,1.500000
<-3.035614,240.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,240.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,240.307541,-0.000000>,1.500000
<-3.035614,241.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.035614,241.307541,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.035614,240.307541,-0.000000>,1.500000
<-3.469273,241.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.469273,241.208618,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,241.208618,-0.000000>,1.500000
<-4.250793,241.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.250793,241.832489,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.469273,241.208618,-0.000000>,1.500000
<-3.902932,242.109695,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.902932,242.109695,-0.000000>,1.500000
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
<0.433659,235.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,235.901077,-0.000000>,1.500000
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
<-0.433659,236.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,236.901077,-0.000000>,1.500000
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
<0.433659,237.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,237.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,237.901077,-0.000000>,1.500000
<1.215180,238.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.215180,238.524963,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.433659,237.901077,-0.000000>,1.500000
<0.867318,238.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,238.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,238.802155,-0.000000>,1.500000
<0.867318,239.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.867318,239.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.867318,238.802155,-0.000000>,1.500000
<1.300977,239.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.300977,239.703232,-0.000000>,1.500000
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
<0.433659,238.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,238.901077,-0.000000>,1.500000
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
<-0.433659,239.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,239.901077,-0.000000>,1.500000
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
<-0.433659,240.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,240.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,240.901077,-0.000000>,1.500000
<-0.433659,241.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,241.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.433659,240.901077,-0.000000>,1.500000
<-0.867318,241.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.867318,241.802155,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,241.802155,-0.000000>,1.500000
<-1.648839,242.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.648839,242.426041,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.867318,241.802155,-0.000000>,1.500000
<-1.300977,242.703232,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.300977,242.703232,-0.000000>,1.500000
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
<0.433659,241.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.433659,241.901077,-0.000000>,1.500000
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
<-0.433659,242.901077,-0.000000>,1.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.433659,242.901077,-0.000000>,1.500000
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
camera {location  <1, 145.199997, 290.399994>
look_at   <0, 145.199997,  0>
}
