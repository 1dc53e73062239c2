#include "colors.inc"
light_source { <170.134796, 170.134796, 170.134796> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.350000
<0.000000,2.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.350000
<0.000000,3.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.350000
<0.000000,4.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<0.382683,4.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,4.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,4.923880,-0.000000>,0.350000
<0.765367,5.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,5.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,5.847759,-0.000000>,0.350000
<1.148050,6.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,6.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.350000
<0.000000,5.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.350000
<-0.382683,5.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,5.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,5.923880,-0.000000>,0.350000
<-0.765367,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,6.847759,-0.000000>,0.350000
<-1.148050,7.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,7.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.350000
<-0.382683,5.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,5.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,5.923880,-0.000000>,0.350000
<-0.765367,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,6.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,6.847759,-0.000000>,0.350000
<-0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,7.847759,-0.000000>,0.350000
<-0.765367,8.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,8.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,6.847759,-0.000000>,0.350000
<-1.148050,7.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,7.771638,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,7.771638,-0.000000>,0.350000
<-1.855157,8.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,8.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,8.478745,-0.000000>,0.350000
<-2.562264,9.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,9.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,7.771638,-0.000000>,0.350000
<-1.530734,8.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,8.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.350000
<0.000000,6.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,6.923880,-0.000000>,0.350000
<0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.350000
<1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,8.771639,-0.000000>,0.350000
<1.530734,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,6.923880,-0.000000>,0.350000
<1.089790,7.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,7.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,7.630986,-0.000000>,0.350000
<1.796897,8.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,8.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,6.923880,-0.000000>,0.350000
<0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.350000
<0.765367,8.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,8.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,8.847759,-0.000000>,0.350000
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,7.847759,-0.000000>,0.350000
<1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,8.771639,-0.000000>,0.350000
<1.855157,9.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,9.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,9.478745,-0.000000>,0.350000
<2.562264,10.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,10.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,10.185852,-0.000000>,0.350000
<3.269371,10.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,10.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,8.771639,-0.000000>,0.350000
<1.530734,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<-0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,6.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,6.923880,-0.000000>,0.350000
<-0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,7.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,7.847759,-0.000000>,0.350000
<-1.472474,8.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,8.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,8.554866,-0.000000>,0.350000
<-1.855157,9.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,9.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,9.478745,-0.000000>,0.350000
<-2.237840,10.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,10.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,8.554866,-0.000000>,0.350000
<-2.179580,9.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,9.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,9.261972,-0.000000>,0.350000
<-2.886687,9.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,9.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,9.969079,-0.000000>,0.350000
<-3.593794,10.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,10.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,7.847759,-0.000000>,0.350000
<-1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,8.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,8.771639,-0.000000>,0.350000
<-1.530734,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,9.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,9.695518,-0.000000>,0.350000
<-1.530734,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,10.695518,-0.000000>,0.350000
<-1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,9.695518,-0.000000>,0.350000
<-1.530734,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,10.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,10.695518,-0.000000>,0.350000
<-1.913417,11.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,11.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,11.619398,-0.000000>,0.350000
<-2.296101,12.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,12.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,10.695518,-0.000000>,0.350000
<-1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,11.695518,-0.000000>,0.350000
<-1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,12.695518,-0.000000>,0.350000
<-1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,13.695518,-0.000000>,0.350000
<-1.530734,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,9.695518,-0.000000>,0.350000
<-1.913417,10.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,10.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,10.619398,-0.000000>,0.350000
<-2.296101,11.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,11.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,11.543277,-0.000000>,0.350000
<-2.678784,12.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,12.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,12.467156,-0.000000>,0.350000
<-3.385891,13.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.385891,13.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.385891,13.174264,-0.000000>,0.350000
<-4.092998,13.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,13.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,12.467156,-0.000000>,0.350000
<-3.385891,13.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.385891,13.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.385891,13.174264,-0.000000>,0.350000
<-3.768574,14.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,14.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,14.098143,-0.000000>,0.350000
<-4.151258,15.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.151258,15.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,15.022022,-0.000000>,0.350000
<-4.533941,15.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,15.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.385891,13.174264,-0.000000>,0.350000
<-4.092998,13.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,13.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,13.881371,-0.000000>,0.350000
<-4.800104,14.588477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800104,14.588477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.800104,14.588477,-0.000000>,0.350000
<-5.507211,15.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507211,15.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507211,15.295584,-0.000000>,0.350000
<-6.214318,16.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.214318,16.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.214318,16.002691,-0.000000>,0.350000
<-6.921425,16.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.921425,16.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,12.467156,-0.000000>,0.350000
<-3.061467,13.391036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,13.391036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.350000
<0.000000,7.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.350000
<0.000000,8.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<-0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,8.923880,-0.000000>,0.350000
<-1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,9.630986,-0.000000>,0.350000
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,8.923880,-0.000000>,0.350000
<-0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,9.847759,-0.000000>,0.350000
<-0.765367,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,10.847759,-0.000000>,0.350000
<-0.765367,11.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,11.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,11.847759,-0.000000>,0.350000
<-0.765367,12.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,12.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,9.847759,-0.000000>,0.350000
<-1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,10.771639,-0.000000>,0.350000
<-1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,11.695518,-0.000000>,0.350000
<-2.237840,12.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,12.402625,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,12.402625,-0.000000>,0.350000
<-2.944947,13.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,13.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,13.109732,-0.000000>,0.350000
<-3.652054,13.816838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,13.816838,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,11.695518,-0.000000>,0.350000
<-1.913417,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,9.630986,-0.000000>,0.350000
<1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.382683,9.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,9.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,9.923880,-0.000000>,0.350000
<0.000000,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.847759,-0.000000>,0.350000
<-0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,9.923880,-0.000000>,0.350000
<0.382683,10.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,9.630986,-0.000000>,0.350000
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,10.554866,-0.000000>,0.350000
<1.855157,11.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,11.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,9.630986,-0.000000>,0.350000
<1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.796897,10.338093,-0.000000>,0.350000
<2.504004,11.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.504004,11.045200,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.504004,11.045200,-0.000000>,0.350000
<3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.211111,11.752307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.211111,11.752307,-0.000000>,0.350000
<3.918217,12.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.918217,12.459414,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,10.771639,-0.000000>,0.350000
<1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,12.695518,-0.000000>,0.350000
<1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,12.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,12.695518,-0.000000>,0.350000
<1.913417,13.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,13.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,13.619398,-0.000000>,0.350000
<2.296101,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,14.543277,-0.000000>,0.350000
<2.678784,15.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,15.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,12.695518,-0.000000>,0.350000
<1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,13.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,13.695518,-0.000000>,0.350000
<1.530734,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,14.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,14.695518,-0.000000>,0.350000
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.530734,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,16.695518,-0.000000>,0.350000
<1.530734,17.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,17.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.913417,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,12.619398,-0.000000>,0.350000
<2.296101,13.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,13.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,13.543277,-0.000000>,0.350000
<2.678784,14.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,14.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,14.467156,-0.000000>,0.350000
<3.385891,15.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,15.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,15.174264,-0.000000>,0.350000
<4.092998,15.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,15.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,15.881371,-0.000000>,0.350000
<4.800104,16.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,16.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,14.467156,-0.000000>,0.350000
<3.385891,15.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,15.174264,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,15.174264,-0.000000>,0.350000
<4.092998,15.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,15.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,15.881371,-0.000000>,0.350000
<4.475681,16.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,16.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,16.805250,-0.000000>,0.350000
<4.858365,17.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,17.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,17.729130,-0.000000>,0.350000
<5.241048,18.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,18.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,15.881371,-0.000000>,0.350000
<4.800104,16.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,16.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,16.588476,-0.000000>,0.350000
<5.507211,17.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.507211,17.295584,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.507211,17.295584,-0.000000>,0.350000
<6.214318,18.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.214318,18.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.214318,18.002691,-0.000000>,0.350000
<6.921425,18.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.921425,18.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.921425,18.709797,-0.000000>,0.350000
<7.628531,19.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.628531,19.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.628531,19.416904,-0.000000>,0.350000
<8.335638,20.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.335638,20.124010,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,14.467156,-0.000000>,0.350000
<3.061467,15.391036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,15.391036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,8.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,9.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,9.630986,-0.000000>,0.350000
<1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,10.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.382683,9.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,9.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,9.923880,-0.000000>,0.350000
<0.000000,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.847759,-0.000000>,0.350000
<-0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,11.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,9.923880,-0.000000>,0.350000
<0.382683,10.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,10.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,8.923880,-0.000000>,0.350000
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,9.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<0.765367,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,10.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,10.847759,-0.000000>,0.350000
<0.765367,11.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,11.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,10.554866,-0.000000>,0.350000
<2.179580,11.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.179580,11.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.179580,11.261972,-0.000000>,0.350000
<2.886687,11.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.886687,11.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.886687,11.969079,-0.000000>,0.350000
<3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,10.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,10.554866,-0.000000>,0.350000
<2.179580,11.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.179580,11.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.179580,11.261972,-0.000000>,0.350000
<2.562264,12.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,12.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,12.185852,-0.000000>,0.350000
<3.269371,12.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,12.892959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.269371,12.892959,-0.000000>,0.350000
<3.976477,13.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.976477,13.600066,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,12.185852,-0.000000>,0.350000
<2.944947,13.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,13.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,13.109732,-0.000000>,0.350000
<3.327631,14.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,14.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.327631,14.033611,-0.000000>,0.350000
<3.710314,14.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,14.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.179580,11.261972,-0.000000>,0.350000
<2.886687,11.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.886687,11.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.886687,11.969079,-0.000000>,0.350000
<3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.593794,12.676187,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.593794,12.676187,-0.000000>,0.350000
<4.517673,13.058869,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.517673,13.058869,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.517673,13.058869,-0.000000>,0.350000
<5.441553,13.441553,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.441553,13.441553,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.593794,12.676187,-0.000000>,0.350000
<4.300901,13.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.300901,13.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.300901,13.383293,-0.000000>,0.350000
<4.683584,14.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.683584,14.307173,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.683584,14.307173,-0.000000>,0.350000
<5.066267,15.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.066267,15.231052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.300901,13.383293,-0.000000>,0.350000
<5.008008,14.090400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.008008,14.090400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.008008,14.090400,-0.000000>,0.350000
<5.715114,14.797506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.715114,14.797506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.715114,14.797506,-0.000000>,0.350000
<6.422221,15.504613,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.422221,15.504613,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.422221,15.504613,-0.000000>,0.350000
<7.129328,16.211720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.129328,16.211720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,9.847759,-0.000000>,0.350000
<1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,10.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,10.771639,-0.000000>,0.350000
<1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,11.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,11.695518,-0.000000>,0.350000
<1.913417,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,12.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,12.619398,-0.000000>,0.350000
<1.913417,13.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,13.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,13.619398,-0.000000>,0.350000
<1.913417,14.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,14.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,12.619398,-0.000000>,0.350000
<2.296101,13.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,13.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,13.543277,-0.000000>,0.350000
<3.003207,14.250384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,14.250384,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,14.250384,-0.000000>,0.350000
<3.710314,14.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,14.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,14.957491,-0.000000>,0.350000
<4.417421,15.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,15.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,13.543277,-0.000000>,0.350000
<2.296101,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,14.543277,-0.000000>,0.350000
<2.296101,15.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,15.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,15.543277,-0.000000>,0.350000
<2.296101,16.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,16.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,16.543278,-0.000000>,0.350000
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,13.543277,-0.000000>,0.350000
<2.296101,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,14.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,14.543277,-0.000000>,0.350000
<2.296101,15.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,15.543277,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,15.543277,-0.000000>,0.350000
<2.678784,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,16.467157,-0.000000>,0.350000
<3.061467,17.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,17.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,15.543277,-0.000000>,0.350000
<2.678784,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,16.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,16.467157,-0.000000>,0.350000
<2.678784,17.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,17.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,17.467157,-0.000000>,0.350000
<2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,16.467157,-0.000000>,0.350000
<3.061467,17.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,17.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,17.391037,-0.000000>,0.350000
<3.444151,18.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,18.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,18.314917,-0.000000>,0.350000
<3.826834,19.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,19.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,19.238796,-0.000000>,0.350000
<4.209518,20.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,20.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,15.543277,-0.000000>,0.350000
<2.296101,16.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,16.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,16.543278,-0.000000>,0.350000
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,18.543278,-0.000000>,0.350000
<1.913417,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,19.467157,-0.000000>,0.350000
<1.530734,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,18.543278,-0.000000>,0.350000
<2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,19.543278,-0.000000>,0.350000
<2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,20.467157,-0.000000>,0.350000
<3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,21.391037,-0.000000>,0.350000
<3.444151,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,19.543278,-0.000000>,0.350000
<2.296101,20.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,20.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,20.543278,-0.000000>,0.350000
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,21.543278,-0.000000>,0.350000
<2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,22.543278,-0.000000>,0.350000
<2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,23.543278,-0.000000>,0.350000
<2.296101,24.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,24.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,13.543277,-0.000000>,0.350000
<2.678784,14.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,14.467156,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,14.467156,-0.000000>,0.350000
<3.061467,15.391036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,15.391036,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,15.391036,-0.000000>,0.350000
<3.444151,16.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,16.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,16.314917,-0.000000>,0.350000
<4.151258,17.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,17.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,17.022022,-0.000000>,0.350000
<4.858365,17.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,17.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,17.729130,-0.000000>,0.350000
<5.565471,18.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,18.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,16.314917,-0.000000>,0.350000
<3.826834,17.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,17.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,17.238796,-0.000000>,0.350000
<3.826834,18.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,18.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,18.238796,-0.000000>,0.350000
<3.826834,19.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,19.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,19.238796,-0.000000>,0.350000
<3.826834,20.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,20.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,17.238796,-0.000000>,0.350000
<4.533941,17.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,17.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,17.945902,-0.000000>,0.350000
<5.241048,18.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,18.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,18.653009,-0.000000>,0.350000
<5.948154,19.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,19.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,19.360115,-0.000000>,0.350000
<6.655262,20.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,20.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,20.067223,-0.000000>,0.350000
<7.362368,20.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,20.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,20.774330,-0.000000>,0.350000
<8.069475,21.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.069475,21.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,17.238796,-0.000000>,0.350000
<4.533941,17.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,17.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,17.945902,-0.000000>,0.350000
<5.457820,18.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.457820,18.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.457820,18.328585,-0.000000>,0.350000
<6.381700,18.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.381700,18.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,17.945902,-0.000000>,0.350000
<5.241048,18.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,18.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,18.653009,-0.000000>,0.350000
<5.623731,19.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,19.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,19.576889,-0.000000>,0.350000
<6.006415,20.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,20.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,18.653009,-0.000000>,0.350000
<5.623731,19.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,19.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,19.576889,-0.000000>,0.350000
<6.330838,20.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,20.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.330838,20.283995,-0.000000>,0.350000
<7.037945,20.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,20.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,20.991102,-0.000000>,0.350000
<7.745052,21.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,21.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,19.576889,-0.000000>,0.350000
<6.006415,20.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,20.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,20.500769,-0.000000>,0.350000
<6.389098,21.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,21.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,21.424648,-0.000000>,0.350000
<6.771781,22.348528,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,22.348528,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,22.348528,-0.000000>,0.350000
<7.154465,23.272406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.154465,23.272406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.154465,23.272406,-0.000000>,0.350000
<7.537148,24.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,24.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,18.653009,-0.000000>,0.350000
<5.948154,19.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,19.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,19.360115,-0.000000>,0.350000
<6.655262,20.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,20.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,20.067223,-0.000000>,0.350000
<7.362368,20.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,20.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,20.774330,-0.000000>,0.350000
<8.286248,21.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.286248,21.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.286248,21.157013,-0.000000>,0.350000
<9.210127,21.539696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.210127,21.539696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.210127,21.539696,-0.000000>,0.350000
<10.134007,21.922380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.134007,21.922380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,20.774330,-0.000000>,0.350000
<8.069475,21.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.069475,21.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,21.481436,-0.000000>,0.350000
<8.776582,22.188543,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.776582,22.188543,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.776582,22.188543,-0.000000>,0.350000
<9.159266,23.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.159266,23.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.159266,23.112423,-0.000000>,0.350000
<9.541948,24.036303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.541948,24.036303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.541948,24.036303,-0.000000>,0.350000
<9.924632,24.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.924632,24.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.776582,22.188543,-0.000000>,0.350000
<9.483688,22.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.483688,22.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.483688,22.895649,-0.000000>,0.350000
<10.190795,23.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.190795,23.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.190795,23.602757,-0.000000>,0.350000
<10.897902,24.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.897902,24.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.897902,24.309864,-0.000000>,0.350000
<11.605009,25.016970,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.605009,25.016970,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.605009,25.016970,-0.000000>,0.350000
<12.312116,25.724077,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.312116,25.724077,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.312116,25.724077,-0.000000>,0.350000
<13.019222,26.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.019222,26.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,17.238796,-0.000000>,0.350000
<4.209518,18.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,18.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.350000
<0.000000,9.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.350000
<0.000000,10.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.350000
<0.000000,11.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.350000
<0.382683,11.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,11.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,11.923880,-0.000000>,0.350000
<0.765367,12.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,12.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,12.847759,-0.000000>,0.350000
<1.148050,13.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,13.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.350000
<0.000000,12.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<-0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.350000
<-0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,12.923880,-0.000000>,0.350000
<0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,14.771639,-0.000000>,0.350000
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,16.619398,-0.000000>,0.350000
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<-0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.350000
<-0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,13.923880,-0.000000>,0.350000
<-0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.350000
<-0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,14.554866,-0.000000>,0.350000
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,14.554866,-0.000000>,0.350000
<-1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,15.478745,-0.000000>,0.350000
<-2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,16.402624,-0.000000>,0.350000
<-2.620524,17.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,17.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,14.554866,-0.000000>,0.350000
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.886687,15.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,15.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,15.969079,-0.000000>,0.350000
<-3.593794,16.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,16.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,16.676186,-0.000000>,0.350000
<-4.300901,17.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,17.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,17.383293,-0.000000>,0.350000
<-5.008008,18.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,18.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,14.771639,-0.000000>,0.350000
<-1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,15.695518,-0.000000>,0.350000
<-1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,16.619398,-0.000000>,0.350000
<-1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,17.619398,-0.000000>,0.350000
<-1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.350000
<-1.913417,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,16.619398,-0.000000>,0.350000
<-1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,17.619398,-0.000000>,0.350000
<-1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.350000
<-2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.350000
<-2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,20.467157,-0.000000>,0.350000
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.350000
<-1.913417,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,19.619398,-0.000000>,0.350000
<-1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,20.619398,-0.000000>,0.350000
<-1.913417,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,21.619398,-0.000000>,0.350000
<-1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,22.619398,-0.000000>,0.350000
<-1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,23.619398,-0.000000>,0.350000
<-1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,16.619398,-0.000000>,0.350000
<-2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,17.543278,-0.000000>,0.350000
<-2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,18.467157,-0.000000>,0.350000
<-3.061467,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,19.391037,-0.000000>,0.350000
<-3.061467,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,20.391037,-0.000000>,0.350000
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,19.391037,-0.000000>,0.350000
<-3.768574,20.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,20.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,20.098143,-0.000000>,0.350000
<-4.475681,20.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,20.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,20.805250,-0.000000>,0.350000
<-5.182788,21.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,21.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,19.391037,-0.000000>,0.350000
<-3.768574,20.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,20.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,20.098143,-0.000000>,0.350000
<-4.475681,20.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,20.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,20.805250,-0.000000>,0.350000
<-4.858365,21.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,21.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.858365,21.729130,-0.000000>,0.350000
<-5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,22.653009,-0.000000>,0.350000
<-5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.623731,23.576889,-0.000000>,0.350000
<-6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,20.805250,-0.000000>,0.350000
<-5.182788,21.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,21.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,21.512356,-0.000000>,0.350000
<-5.889894,22.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,22.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,22.219463,-0.000000>,0.350000
<-6.597002,22.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.597002,22.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,22.926571,-0.000000>,0.350000
<-6.979685,23.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.979685,23.850451,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.979685,23.850451,-0.000000>,0.350000
<-7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,22.926571,-0.000000>,0.350000
<-7.304108,23.633677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.304108,23.633677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,23.633677,-0.000000>,0.350000
<-8.011215,24.340784,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,24.340784,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,24.340784,-0.000000>,0.350000
<-8.718322,25.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,25.047890,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,19.391037,-0.000000>,0.350000
<-3.444151,20.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,20.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<-0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.350000
<-1.089790,13.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.089790,13.630986,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.089790,13.630986,-0.000000>,0.350000
<-1.796897,14.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.796897,14.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.350000
<-0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,13.923880,-0.000000>,0.350000
<0.000000,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.847759,-0.000000>,0.350000
<0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.771639,-0.000000>,0.350000
<0.765367,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,13.923880,-0.000000>,0.350000
<-0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,12.923880,-0.000000>,0.350000
<-0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,14.847759,-0.000000>,0.350000
<-0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,15.771639,-0.000000>,0.350000
<0.000000,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,14.847759,-0.000000>,0.350000
<-0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,14.554866,-0.000000>,0.350000
<-1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,15.478745,-0.000000>,0.350000
<-2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,14.554866,-0.000000>,0.350000
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.886687,15.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,15.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,15.969079,-0.000000>,0.350000
<-3.593794,16.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,16.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,14.554866,-0.000000>,0.350000
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.562264,16.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,16.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,16.185852,-0.000000>,0.350000
<-2.944947,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.562264,16.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,16.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,16.185852,-0.000000>,0.350000
<-3.269371,16.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,16.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.269371,16.892960,-0.000000>,0.350000
<-3.976477,17.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.976477,17.600065,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,16.185852,-0.000000>,0.350000
<-2.944947,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,17.109732,-0.000000>,0.350000
<-3.327631,18.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,18.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.327631,18.033611,-0.000000>,0.350000
<-3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,18.957491,-0.000000>,0.350000
<-4.092998,19.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,19.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,15.261972,-0.000000>,0.350000
<-2.886687,15.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,15.969079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,15.969079,-0.000000>,0.350000
<-3.593794,16.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,16.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.593794,16.676186,-0.000000>,0.350000
<-4.300901,17.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.300901,17.383293,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,17.383293,-0.000000>,0.350000
<-5.224780,17.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.224780,17.765976,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.224780,17.765976,-0.000000>,0.350000
<-6.148660,18.148661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.148660,18.148661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.300901,17.383293,-0.000000>,0.350000
<-5.008008,18.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.008008,18.090401,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,18.090401,-0.000000>,0.350000
<-5.390691,19.014278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.390691,19.014278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.390691,19.014278,-0.000000>,0.350000
<-5.773375,19.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.773375,19.938158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.773375,19.938158,-0.000000>,0.350000
<-6.156058,20.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.156058,20.862038,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.008008,18.090401,-0.000000>,0.350000
<-5.715114,18.797506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.715114,18.797506,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.715114,18.797506,-0.000000>,0.350000
<-6.422221,19.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.422221,19.504614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.422221,19.504614,-0.000000>,0.350000
<-7.129328,20.211720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.129328,20.211720,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.129328,20.211720,-0.000000>,0.350000
<-7.836435,20.918827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.836435,20.918827,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.836435,20.918827,-0.000000>,0.350000
<-8.543542,21.625935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.543542,21.625935,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,13.847759,-0.000000>,0.350000
<-1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,14.771639,-0.000000>,0.350000
<-1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,15.695518,-0.000000>,0.350000
<-1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,16.619398,-0.000000>,0.350000
<-1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,17.619398,-0.000000>,0.350000
<-1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,18.619398,-0.000000>,0.350000
<-1.913417,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,19.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,16.619398,-0.000000>,0.350000
<-2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,17.543278,-0.000000>,0.350000
<-3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,18.250383,-0.000000>,0.350000
<-3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,18.957491,-0.000000>,0.350000
<-4.417421,19.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,19.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,17.543278,-0.000000>,0.350000
<-2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,18.543278,-0.000000>,0.350000
<-2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.350000
<-2.296101,20.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,20.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,20.543278,-0.000000>,0.350000
<-2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,21.543278,-0.000000>,0.350000
<-2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,22.543278,-0.000000>,0.350000
<-2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,17.543278,-0.000000>,0.350000
<-2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,18.543278,-0.000000>,0.350000
<-1.913417,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,19.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,19.467157,-0.000000>,0.350000
<-1.530734,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,18.543278,-0.000000>,0.350000
<-2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.350000
<-2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,20.467157,-0.000000>,0.350000
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.350000
<-2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,20.467157,-0.000000>,0.350000
<-2.678784,21.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,21.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,21.467157,-0.000000>,0.350000
<-2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,22.467157,-0.000000>,0.350000
<-2.678784,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,20.467157,-0.000000>,0.350000
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,21.391037,-0.000000>,0.350000
<-3.444151,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,22.314917,-0.000000>,0.350000
<-3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,23.238796,-0.000000>,0.350000
<-4.209518,24.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,24.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,24.162674,-0.000000>,0.350000
<-4.592201,25.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,25.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,19.543278,-0.000000>,0.350000
<-2.296101,20.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,20.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,20.543278,-0.000000>,0.350000
<-2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,21.543278,-0.000000>,0.350000
<-2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,22.543278,-0.000000>,0.350000
<-1.913417,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,23.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,23.467157,-0.000000>,0.350000
<-1.530734,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.391037,-0.000000>,0.350000
<-1.148050,25.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,25.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,22.543278,-0.000000>,0.350000
<-2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,23.543278,-0.000000>,0.350000
<-2.296101,24.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,24.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,24.543278,-0.000000>,0.350000
<-2.678784,25.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,25.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,25.467157,-0.000000>,0.350000
<-3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,26.391037,-0.000000>,0.350000
<-3.444151,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,24.543278,-0.000000>,0.350000
<-2.296101,25.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,25.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,25.543278,-0.000000>,0.350000
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,27.543278,-0.000000>,0.350000
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.350000
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.350000
<-2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,17.543278,-0.000000>,0.350000
<-2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,18.467157,-0.000000>,0.350000
<-3.061467,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,19.391037,-0.000000>,0.350000
<-3.444151,20.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,20.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,20.314917,-0.000000>,0.350000
<-4.151258,21.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.151258,21.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,21.022022,-0.000000>,0.350000
<-4.858365,21.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,21.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.858365,21.729130,-0.000000>,0.350000
<-5.565471,22.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.565471,22.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,20.314917,-0.000000>,0.350000
<-3.826834,21.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,21.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,21.238796,-0.000000>,0.350000
<-3.826834,22.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,22.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,22.238796,-0.000000>,0.350000
<-3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,21.238796,-0.000000>,0.350000
<-3.826834,22.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,22.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,22.238796,-0.000000>,0.350000
<-3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,23.238796,-0.000000>,0.350000
<-3.826834,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,24.238796,-0.000000>,0.350000
<-3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,21.238796,-0.000000>,0.350000
<-4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,21.945902,-0.000000>,0.350000
<-5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,22.653009,-0.000000>,0.350000
<-5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,23.360115,-0.000000>,0.350000
<-6.330838,24.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.330838,24.283995,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.330838,24.283995,-0.000000>,0.350000
<-6.713521,25.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,25.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,23.360115,-0.000000>,0.350000
<-6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655262,24.067223,-0.000000>,0.350000
<-7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.362368,24.774330,-0.000000>,0.350000
<-8.069475,25.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.069475,25.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,21.238796,-0.000000>,0.350000
<-4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,21.945902,-0.000000>,0.350000
<-5.457820,22.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.457820,22.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.457820,22.328585,-0.000000>,0.350000
<-6.381700,22.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.381700,22.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,21.945902,-0.000000>,0.350000
<-5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,22.653009,-0.000000>,0.350000
<-5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.623731,23.576889,-0.000000>,0.350000
<-6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,24.500769,-0.000000>,0.350000
<-6.389098,25.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,25.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,22.653009,-0.000000>,0.350000
<-5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.623731,23.576889,-0.000000>,0.350000
<-6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,24.500769,-0.000000>,0.350000
<-6.713521,25.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,25.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,25.207874,-0.000000>,0.350000
<-7.420629,25.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,25.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,25.914982,-0.000000>,0.350000
<-8.127735,26.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.127735,26.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,24.500769,-0.000000>,0.350000
<-6.389098,25.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,25.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.389098,25.424648,-0.000000>,0.350000
<-6.771781,26.348528,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.771781,26.348528,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.771781,26.348528,-0.000000>,0.350000
<-7.154465,27.272406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.154465,27.272406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.154465,27.272406,-0.000000>,0.350000
<-7.537148,28.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,28.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,28.196285,-0.000000>,0.350000
<-7.919832,29.120165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.919832,29.120165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.919832,29.120165,-0.000000>,0.350000
<-8.302515,30.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.302515,30.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,22.653009,-0.000000>,0.350000
<-5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,23.360115,-0.000000>,0.350000
<-6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655262,24.067223,-0.000000>,0.350000
<-7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.362368,24.774330,-0.000000>,0.350000
<-7.745052,25.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.745052,25.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.745052,25.698208,-0.000000>,0.350000
<-8.127735,26.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.127735,26.622087,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.362368,24.774330,-0.000000>,0.350000
<-8.286248,25.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.286248,25.157013,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.286248,25.157013,-0.000000>,0.350000
<-9.210127,25.539696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.210127,25.539696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.210127,25.539696,-0.000000>,0.350000
<-10.134007,25.922380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.134007,25.922380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.362368,24.774330,-0.000000>,0.350000
<-8.069475,25.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.069475,25.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.069475,25.481436,-0.000000>,0.350000
<-8.776582,26.188543,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.776582,26.188543,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.776582,26.188543,-0.000000>,0.350000
<-9.159266,27.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.159266,27.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.159266,27.112423,-0.000000>,0.350000
<-9.541948,28.036303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.541948,28.036303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.541948,28.036303,-0.000000>,0.350000
<-9.924632,28.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.924632,28.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.924632,28.960182,-0.000000>,0.350000
<-10.307316,29.884062,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.307316,29.884062,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.776582,26.188543,-0.000000>,0.350000
<-9.483688,26.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,26.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,26.895649,-0.000000>,0.350000
<-10.190795,27.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.190795,27.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.190795,27.602757,-0.000000>,0.350000
<-10.897902,28.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.897902,28.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,28.309864,-0.000000>,0.350000
<-11.280585,29.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.280585,29.233742,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.280585,29.233742,-0.000000>,0.350000
<-11.663269,30.157621,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.663269,30.157621,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.897902,28.309864,-0.000000>,0.350000
<-11.605009,29.016970,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.605009,29.016970,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.605009,29.016970,-0.000000>,0.350000
<-12.312116,29.724077,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.312116,29.724077,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.312116,29.724077,-0.000000>,0.350000
<-13.019222,30.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.019222,30.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,21.238796,-0.000000>,0.350000
<-4.209518,22.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,22.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,12.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,12.923880,-0.000000>,0.350000
<0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,13.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.847759,-0.000000>,0.350000
<1.148050,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,15.771639,-0.000000>,0.350000
<1.530734,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.847759,-0.000000>,0.350000
<0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.771639,-0.000000>,0.350000
<0.000000,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.695518,-0.000000>,0.350000
<-0.382683,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,14.847759,-0.000000>,0.350000
<0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,14.554866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,14.554866,-0.000000>,0.350000
<2.396353,14.937550,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.396353,14.937550,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.396353,14.937550,-0.000000>,0.350000
<3.320233,15.320232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.320233,15.320232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,14.554866,-0.000000>,0.350000
<1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,15.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,15.478745,-0.000000>,0.350000
<1.855157,16.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,16.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,16.478745,-0.000000>,0.350000
<1.855157,17.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,17.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,15.478745,-0.000000>,0.350000
<2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,14.554866,-0.000000>,0.350000
<2.396353,14.937550,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.396353,14.937550,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.396353,14.937550,-0.000000>,0.350000
<3.103460,15.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.103460,15.644656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.103460,15.644656,-0.000000>,0.350000
<3.810567,16.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.810567,16.351763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.396353,14.937550,-0.000000>,0.350000
<3.320233,15.320232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.320233,15.320232,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.320233,15.320232,-0.000000>,0.350000
<4.244112,15.702916,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.244112,15.702916,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.244112,15.702916,-0.000000>,0.350000
<5.167992,16.085600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.167992,16.085600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.167992,16.085600,-0.000000>,0.350000
<6.091871,16.468283,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.091871,16.468283,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,14.554866,-0.000000>,0.350000
<2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.179580,15.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,13.847759,-0.000000>,0.350000
<1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,14.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,14.771639,-0.000000>,0.350000
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,15.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,16.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,16.402624,-0.000000>,0.350000
<2.944947,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,17.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.530734,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,16.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,16.695518,-0.000000>,0.350000
<1.148050,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,17.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,17.619398,-0.000000>,0.350000
<0.765367,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,18.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,16.695518,-0.000000>,0.350000
<1.530734,17.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,17.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,17.695518,-0.000000>,0.350000
<1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,18.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,18.619398,-0.000000>,0.350000
<2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,19.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,19.543278,-0.000000>,0.350000
<2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,20.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,17.695518,-0.000000>,0.350000
<1.530734,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,18.695518,-0.000000>,0.350000
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,20.619398,-0.000000>,0.350000
<0.765367,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,21.543278,-0.000000>,0.350000
<0.382683,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,15.695518,-0.000000>,0.350000
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,16.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,16.619398,-0.000000>,0.350000
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,17.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,18.250383,-0.000000>,0.350000
<3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,18.957491,-0.000000>,0.350000
<4.417421,19.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,19.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,19.664598,-0.000000>,0.350000
<5.341300,20.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.341300,20.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.341300,20.047281,-0.000000>,0.350000
<6.265180,20.429964,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.265180,20.429964,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,19.664598,-0.000000>,0.350000
<5.124528,20.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.124528,20.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,18.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,18.250383,-0.000000>,0.350000
<3.927087,18.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.927087,18.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.927087,18.633068,-0.000000>,0.350000
<4.850966,19.015751,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.850966,19.015751,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.850966,19.015751,-0.000000>,0.350000
<5.774846,19.398434,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.774846,19.398434,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,18.250383,-0.000000>,0.350000
<3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,18.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,18.957491,-0.000000>,0.350000
<4.417421,19.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,19.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,19.664598,-0.000000>,0.350000
<4.800104,20.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,20.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,20.588476,-0.000000>,0.350000
<5.182788,21.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,21.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,21.512356,-0.000000>,0.350000
<5.565471,22.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,22.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,19.664598,-0.000000>,0.350000
<5.124528,20.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.124528,20.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.124528,20.371704,-0.000000>,0.350000
<5.831635,21.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.831635,21.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,21.078812,-0.000000>,0.350000
<6.755514,21.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.755514,21.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.755514,21.461494,-0.000000>,0.350000
<7.679394,21.844177,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.679394,21.844177,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.679394,21.844177,-0.000000>,0.350000
<8.603273,22.226862,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.603273,22.226862,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.603273,22.226862,-0.000000>,0.350000
<9.527153,22.609545,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.527153,22.609545,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,21.078812,-0.000000>,0.350000
<6.538741,21.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.538741,21.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,17.543278,-0.000000>,0.350000
<2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,18.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,18.467157,-0.000000>,0.350000
<3.061467,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,19.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,19.391037,-0.000000>,0.350000
<3.061467,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,20.391037,-0.000000>,0.350000
<3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,21.391037,-0.000000>,0.350000
<3.444151,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,22.314917,-0.000000>,0.350000
<3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,21.391037,-0.000000>,0.350000
<3.061467,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,22.391037,-0.000000>,0.350000
<2.678784,23.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,23.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,23.314917,-0.000000>,0.350000
<2.296101,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,22.391037,-0.000000>,0.350000
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,19.391037,-0.000000>,0.350000
<3.061467,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,20.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,20.391037,-0.000000>,0.350000
<3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,21.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,21.391037,-0.000000>,0.350000
<2.678784,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,22.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,22.314917,-0.000000>,0.350000
<2.296101,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,23.238796,-0.000000>,0.350000
<1.913417,24.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,24.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,21.391037,-0.000000>,0.350000
<3.061467,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,22.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,22.391037,-0.000000>,0.350000
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.444151,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,24.314917,-0.000000>,0.350000
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,26.162674,-0.000000>,0.350000
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.061467,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,24.391037,-0.000000>,0.350000
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<2.678784,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,26.314917,-0.000000>,0.350000
<2.678784,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,27.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,27.314917,-0.000000>,0.350000
<2.678784,28.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,28.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,26.314917,-0.000000>,0.350000
<2.296101,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.238796,-0.000000>,0.350000
<1.913417,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,28.162674,-0.000000>,0.350000
<1.530734,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,19.391037,-0.000000>,0.350000
<3.444151,20.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,20.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,20.314917,-0.000000>,0.350000
<3.826834,21.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,21.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,21.238796,-0.000000>,0.350000
<4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,21.945902,-0.000000>,0.350000
<5.457820,22.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.457820,22.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.457820,22.328585,-0.000000>,0.350000
<6.381700,22.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.381700,22.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,21.945902,-0.000000>,0.350000
<5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,22.653009,-0.000000>,0.350000
<5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.623731,23.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.623731,23.576889,-0.000000>,0.350000
<6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,24.500769,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,22.653009,-0.000000>,0.350000
<5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,23.360115,-0.000000>,0.350000
<6.872034,23.742800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.872034,23.742800,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.872034,23.742800,-0.000000>,0.350000
<7.795914,24.125483,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.795914,24.125483,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.795914,24.125483,-0.000000>,0.350000
<8.719793,24.508165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.719793,24.508165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,23.360115,-0.000000>,0.350000
<6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,21.238796,-0.000000>,0.350000
<4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,21.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,21.945902,-0.000000>,0.350000
<5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.241048,22.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,22.653009,-0.000000>,0.350000
<6.164927,23.035692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.164927,23.035692,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.164927,23.035692,-0.000000>,0.350000
<7.088807,23.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.088807,23.418375,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.088807,23.418375,-0.000000>,0.350000
<8.012687,23.801060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.012687,23.801060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.012687,23.801060,-0.000000>,0.350000
<8.936566,24.183743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.936566,24.183743,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.241048,22.653009,-0.000000>,0.350000
<5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,23.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,23.360115,-0.000000>,0.350000
<6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.655262,24.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,24.067223,-0.000000>,0.350000
<7.037945,24.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.037945,24.991102,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,24.991102,-0.000000>,0.350000
<7.745052,25.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,25.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,25.698208,-0.000000>,0.350000
<8.452158,26.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.452158,26.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.037945,24.991102,-0.000000>,0.350000
<7.420629,25.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.420629,25.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.420629,25.914982,-0.000000>,0.350000
<7.803312,26.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,26.838861,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,26.838861,-0.000000>,0.350000
<8.185995,27.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,27.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.655262,24.067223,-0.000000>,0.350000
<7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,24.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,24.774330,-0.000000>,0.350000
<8.069475,25.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.069475,25.481436,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,25.481436,-0.000000>,0.350000
<8.993355,25.864119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.993355,25.864119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.993355,25.864119,-0.000000>,0.350000
<9.917234,26.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.917234,26.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,25.481436,-0.000000>,0.350000
<8.993355,25.864119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.993355,25.864119,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.993355,25.864119,-0.000000>,0.350000
<9.700461,26.571226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.700461,26.571226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.700461,26.571226,-0.000000>,0.350000
<10.407568,27.278334,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.407568,27.278334,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.993355,25.864119,-0.000000>,0.350000
<9.917234,26.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.917234,26.246803,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.917234,26.246803,-0.000000>,0.350000
<10.841114,26.629486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.841114,26.629486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.841114,26.629486,-0.000000>,0.350000
<11.764993,27.012169,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.764993,27.012169,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.764993,27.012169,-0.000000>,0.350000
<12.688872,27.394854,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.688872,27.394854,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,25.481436,-0.000000>,0.350000
<8.776582,26.188543,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.776582,26.188543,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,21.238796,-0.000000>,0.350000
<3.826834,22.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,22.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,22.238796,-0.000000>,0.350000
<3.444151,23.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,23.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,23.162674,-0.000000>,0.350000
<3.061467,24.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,24.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,22.238796,-0.000000>,0.350000
<3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,23.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,23.238796,-0.000000>,0.350000
<4.209518,24.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,24.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,24.162674,-0.000000>,0.350000
<4.592201,25.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,25.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,25.086554,-0.000000>,0.350000
<4.974885,26.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,26.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,23.238796,-0.000000>,0.350000
<3.826834,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,24.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,24.238796,-0.000000>,0.350000
<3.444151,25.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,25.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,25.162674,-0.000000>,0.350000
<3.061467,26.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,26.086554,-0.000000>,0.350000
<2.678784,27.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,27.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,24.238796,-0.000000>,0.350000
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,26.162674,-0.000000>,0.350000
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,26.162674,-0.000000>,0.350000
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,27.086554,-0.000000>,0.350000
<4.974885,28.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,28.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,28.010433,-0.000000>,0.350000
<5.357568,28.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,28.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<3.826834,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<3.444151,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,27.162674,-0.000000>,0.350000
<3.061467,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<3.444151,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,27.162674,-0.000000>,0.350000
<3.061467,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,28.086554,-0.000000>,0.350000
<2.678784,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,29.010433,-0.000000>,0.350000
<2.296101,29.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,29.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<4.209518,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,27.162674,-0.000000>,0.350000
<4.592201,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,28.086554,-0.000000>,0.350000
<4.974885,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,29.010433,-0.000000>,0.350000
<5.357568,29.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,29.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,29.934313,-0.000000>,0.350000
<5.357568,30.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,30.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,30.934313,-0.000000>,0.350000
<5.357568,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,31.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,29.934313,-0.000000>,0.350000
<5.740252,30.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,30.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,30.858192,-0.000000>,0.350000
<6.122935,31.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,31.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,31.782072,-0.000000>,0.350000
<6.505619,32.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,32.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,32.705952,-0.000000>,0.350000
<6.888302,33.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,33.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<3.826834,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,27.238796,-0.000000>,0.350000
<4.209518,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,28.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,28.162674,-0.000000>,0.350000
<4.592201,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,29.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,29.086554,-0.000000>,0.350000
<4.974885,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,27.238796,-0.000000>,0.350000
<3.826834,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,28.238796,-0.000000>,0.350000
<3.826834,29.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,29.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,29.238796,-0.000000>,0.350000
<3.444151,30.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,30.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,30.162674,-0.000000>,0.350000
<3.061467,31.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,31.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,31.086554,-0.000000>,0.350000
<2.678784,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,29.238796,-0.000000>,0.350000
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,30.238796,-0.000000>,0.350000
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,31.238796,-0.000000>,0.350000
<4.209518,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,32.162674,-0.000000>,0.350000
<4.592201,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,33.086555,-0.000000>,0.350000
<4.974885,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,34.010433,-0.000000>,0.350000
<5.357568,34.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,34.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,31.238796,-0.000000>,0.350000
<3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,32.238796,-0.000000>,0.350000
<3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,33.238796,-0.000000>,0.350000
<3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,34.238796,-0.000000>,0.350000
<4.209518,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,35.162674,-0.000000>,0.350000
<4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,34.238796,-0.000000>,0.350000
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,35.238796,-0.000000>,0.350000
<3.826834,36.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,36.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,36.238796,-0.000000>,0.350000
<3.826834,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,21.238796,-0.000000>,0.350000
<4.209518,22.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,22.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,22.162674,-0.000000>,0.350000
<4.592201,23.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,23.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,23.086554,-0.000000>,0.350000
<4.974885,24.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,24.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,24.010433,-0.000000>,0.350000
<5.681992,24.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,24.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,24.717541,-0.000000>,0.350000
<6.389098,25.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,25.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,24.010433,-0.000000>,0.350000
<4.974885,25.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,25.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,25.010433,-0.000000>,0.350000
<4.974885,26.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,26.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,26.010433,-0.000000>,0.350000
<4.974885,27.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,27.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,24.010433,-0.000000>,0.350000
<4.974885,25.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,25.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,25.010433,-0.000000>,0.350000
<4.974885,26.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,26.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,26.010433,-0.000000>,0.350000
<5.357568,26.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,26.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,26.934313,-0.000000>,0.350000
<5.740252,27.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,27.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,27.858192,-0.000000>,0.350000
<6.122935,28.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,28.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,28.782072,-0.000000>,0.350000
<6.505619,29.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,29.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,26.010433,-0.000000>,0.350000
<4.974885,27.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,27.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,27.010433,-0.000000>,0.350000
<4.974885,28.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,28.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,28.010433,-0.000000>,0.350000
<4.974885,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,29.010433,-0.000000>,0.350000
<5.357568,29.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,29.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,29.934313,-0.000000>,0.350000
<5.740252,30.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,30.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,29.010433,-0.000000>,0.350000
<4.974885,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,30.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,30.010433,-0.000000>,0.350000
<4.974885,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,31.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,31.010433,-0.000000>,0.350000
<4.974885,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,32.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,24.010433,-0.000000>,0.350000
<5.357568,24.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,24.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,24.934313,-0.000000>,0.350000
<5.740252,25.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,25.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,25.858192,-0.000000>,0.350000
<6.447358,26.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.447358,26.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.447358,26.565300,-0.000000>,0.350000
<7.154465,27.272406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.154465,27.272406,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,25.858192,-0.000000>,0.350000
<6.122935,26.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,26.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,26.782072,-0.000000>,0.350000
<6.122935,27.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,27.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,27.782072,-0.000000>,0.350000
<6.122935,28.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,28.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,26.782072,-0.000000>,0.350000
<6.830042,27.489180,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,27.489180,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.830042,27.489180,-0.000000>,0.350000
<7.537148,28.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,28.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,28.196285,-0.000000>,0.350000
<8.244255,28.903393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244255,28.903393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.244255,28.903393,-0.000000>,0.350000
<8.951362,29.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.951362,29.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,26.782072,-0.000000>,0.350000
<6.830042,27.489180,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,27.489180,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.830042,27.489180,-0.000000>,0.350000
<7.537148,28.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,28.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,28.196285,-0.000000>,0.350000
<7.919832,29.120165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.919832,29.120165,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.919832,29.120165,-0.000000>,0.350000
<8.626939,29.827272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.626939,29.827272,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.626939,29.827272,-0.000000>,0.350000
<9.334045,30.534380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.334045,30.534380,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.919832,29.120165,-0.000000>,0.350000
<8.302515,30.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.302515,30.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.302515,30.044044,-0.000000>,0.350000
<8.685199,30.967924,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.685199,30.967924,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.685199,30.967924,-0.000000>,0.350000
<9.067883,31.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,31.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,28.196285,-0.000000>,0.350000
<8.244255,28.903393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244255,28.903393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.244255,28.903393,-0.000000>,0.350000
<8.951362,29.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.951362,29.610500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.951362,29.610500,-0.000000>,0.350000
<9.875241,29.993183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.875241,29.993183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.875241,29.993183,-0.000000>,0.350000
<10.799121,30.375866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.799121,30.375866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.951362,29.610500,-0.000000>,0.350000
<9.658469,30.317606,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.658469,30.317606,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.658469,30.317606,-0.000000>,0.350000
<10.041152,31.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.041152,31.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.041152,31.241486,-0.000000>,0.350000
<10.423836,32.165367,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.423836,32.165367,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.658469,30.317606,-0.000000>,0.350000
<10.365576,31.024714,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.365576,31.024714,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.365576,31.024714,-0.000000>,0.350000
<11.072682,31.731819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.072682,31.731819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.072682,31.731819,-0.000000>,0.350000
<11.779789,32.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.779789,32.438927,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.779789,32.438927,-0.000000>,0.350000
<12.486896,33.146034,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.486896,33.146034,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,26.782072,-0.000000>,0.350000
<6.505619,27.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,27.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,27.705952,-0.000000>,0.350000
<6.888302,28.629831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,28.629831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,28.629831,-0.000000>,0.350000
<7.270985,29.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,29.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,29.553711,-0.000000>,0.350000
<7.270985,30.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,30.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,30.553711,-0.000000>,0.350000
<7.270985,31.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,31.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,29.553711,-0.000000>,0.350000
<7.653669,30.477591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,30.477591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,30.477591,-0.000000>,0.350000
<8.360775,31.184698,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.360775,31.184698,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.360775,31.184698,-0.000000>,0.350000
<9.067883,31.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,31.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.067883,31.891804,-0.000000>,0.350000
<9.774989,32.598911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.774989,32.598911,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,30.477591,-0.000000>,0.350000
<7.653669,31.477591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,31.477591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,31.477591,-0.000000>,0.350000
<7.653669,32.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,32.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,32.477592,-0.000000>,0.350000
<7.653669,33.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,33.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,33.477592,-0.000000>,0.350000
<7.653669,34.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,34.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,34.477592,-0.000000>,0.350000
<7.653669,35.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,35.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,30.477591,-0.000000>,0.350000
<7.653669,31.477591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,31.477591,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,31.477591,-0.000000>,0.350000
<7.653669,32.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,32.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,32.477592,-0.000000>,0.350000
<8.036352,33.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,33.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,33.401470,-0.000000>,0.350000
<8.419036,34.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,34.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,32.477592,-0.000000>,0.350000
<8.036352,33.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,33.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,33.401470,-0.000000>,0.350000
<8.036352,34.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,34.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,34.401470,-0.000000>,0.350000
<8.036352,35.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,35.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,33.401470,-0.000000>,0.350000
<8.419036,34.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,34.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,34.325348,-0.000000>,0.350000
<8.801719,35.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,35.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,35.249229,-0.000000>,0.350000
<9.184402,36.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,36.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,36.173107,-0.000000>,0.350000
<9.567086,37.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,37.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,32.477592,-0.000000>,0.350000
<7.653669,33.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,33.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,33.477592,-0.000000>,0.350000
<7.653669,34.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,34.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,34.477592,-0.000000>,0.350000
<7.653669,35.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,35.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,35.477592,-0.000000>,0.350000
<7.270985,36.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,36.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,36.401470,-0.000000>,0.350000
<6.888302,37.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,37.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,35.477592,-0.000000>,0.350000
<7.653669,36.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,36.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,36.477592,-0.000000>,0.350000
<8.036352,37.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,37.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,37.401470,-0.000000>,0.350000
<8.419036,38.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,38.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,38.325348,-0.000000>,0.350000
<8.801719,39.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,39.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,36.477592,-0.000000>,0.350000
<7.653669,37.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,37.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,37.477592,-0.000000>,0.350000
<7.653669,38.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,38.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,38.477592,-0.000000>,0.350000
<7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,39.477592,-0.000000>,0.350000
<7.653669,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,40.477592,-0.000000>,0.350000
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,30.477591,-0.000000>,0.350000
<8.036352,31.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,31.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,31.401470,-0.000000>,0.350000
<8.419036,32.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,32.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,32.325348,-0.000000>,0.350000
<8.801719,33.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,33.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,33.249229,-0.000000>,0.350000
<9.508825,33.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.508825,33.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.508825,33.956337,-0.000000>,0.350000
<10.215933,34.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.215933,34.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.215933,34.663445,-0.000000>,0.350000
<10.923039,35.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.923039,35.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,33.249229,-0.000000>,0.350000
<9.184402,34.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,34.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,34.173107,-0.000000>,0.350000
<9.184402,35.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,35.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,35.173107,-0.000000>,0.350000
<9.184402,36.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,36.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,36.173107,-0.000000>,0.350000
<9.184402,37.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,37.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,34.173107,-0.000000>,0.350000
<9.891509,34.880215,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.891509,34.880215,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.891509,34.880215,-0.000000>,0.350000
<10.598616,35.587322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.598616,35.587322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.598616,35.587322,-0.000000>,0.350000
<11.305723,36.294430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.305723,36.294430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.305723,36.294430,-0.000000>,0.350000
<12.012830,37.001537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.012830,37.001537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.012830,37.001537,-0.000000>,0.350000
<12.719936,37.708641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.719936,37.708641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.719936,37.708641,-0.000000>,0.350000
<13.427043,38.415749,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.427043,38.415749,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,34.173107,-0.000000>,0.350000
<9.567086,35.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,35.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,35.096989,-0.000000>,0.350000
<10.274193,35.804096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.274193,35.804096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.274193,35.804096,-0.000000>,0.350000
<10.981299,36.511204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.981299,36.511204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,35.096989,-0.000000>,0.350000
<9.949769,36.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,36.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,36.020866,-0.000000>,0.350000
<9.949769,37.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,37.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,37.020866,-0.000000>,0.350000
<9.949769,38.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,38.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,36.020866,-0.000000>,0.350000
<9.949769,37.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,37.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,37.020866,-0.000000>,0.350000
<10.332453,37.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,37.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,37.944748,-0.000000>,0.350000
<10.715137,38.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,38.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,38.868626,-0.000000>,0.350000
<11.097819,39.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,39.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,37.020866,-0.000000>,0.350000
<9.949769,38.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,38.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,38.020866,-0.000000>,0.350000
<9.949769,39.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,39.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,39.020866,-0.000000>,0.350000
<9.949769,40.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,40.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,40.020866,-0.000000>,0.350000
<9.949769,41.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,41.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,41.020866,-0.000000>,0.350000
<9.949769,42.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,42.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,36.020866,-0.000000>,0.350000
<10.332453,36.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,36.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,36.944748,-0.000000>,0.350000
<10.715137,37.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,37.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,37.868626,-0.000000>,0.350000
<11.097819,38.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,38.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,38.792507,-0.000000>,0.350000
<11.804926,39.499615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.804926,39.499615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.804926,39.499615,-0.000000>,0.350000
<12.512033,40.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.512033,40.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.512033,40.206718,-0.000000>,0.350000
<13.219140,40.913826,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.219140,40.913826,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,38.792507,-0.000000>,0.350000
<11.480503,39.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,39.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,39.716385,-0.000000>,0.350000
<11.863187,40.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,40.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,40.640266,-0.000000>,0.350000
<11.863187,41.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,41.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,41.640266,-0.000000>,0.350000
<11.863187,42.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,42.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,42.640266,-0.000000>,0.350000
<11.863187,43.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,43.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,40.640266,-0.000000>,0.350000
<12.245870,41.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,41.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,41.564144,-0.000000>,0.350000
<12.628553,42.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,42.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,42.488026,-0.000000>,0.350000
<13.011237,43.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,43.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,43.411903,-0.000000>,0.350000
<13.393920,44.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,44.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,44.335785,-0.000000>,0.350000
<13.776604,45.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,45.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,45.259663,-0.000000>,0.350000
<14.159287,46.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.159287,46.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.350000
<0.000000,13.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.350000
<0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,13.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,13.923880,-0.000000>,0.350000
<0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,14.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.350000
<0.000000,14.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.350000
<-0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,14.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,14.923880,-0.000000>,0.350000
<-0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,15.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.350000
<0.000000,15.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.350000
<0.382683,15.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.923880,-0.000000>,0.350000
<0.765367,16.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,16.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,16.847759,-0.000000>,0.350000
<1.148050,17.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,17.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.350000
<0.382683,15.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,15.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,15.923880,-0.000000>,0.350000
<0.765367,16.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,16.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,16.847759,-0.000000>,0.350000
<1.148050,17.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,17.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,17.771639,-0.000000>,0.350000
<1.855157,18.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,18.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,18.478745,-0.000000>,0.350000
<2.562264,19.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,19.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,17.771639,-0.000000>,0.350000
<1.530734,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,18.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.350000
<0.000000,16.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<-0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,16.923880,-0.000000>,0.350000
<-0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,17.847759,-0.000000>,0.350000
<-1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<-0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,16.923880,-0.000000>,0.350000
<-0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,17.847759,-0.000000>,0.350000
<-0.765367,18.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,18.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,18.847759,-0.000000>,0.350000
<-0.765367,19.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,19.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,17.847759,-0.000000>,0.350000
<-1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,18.771639,-0.000000>,0.350000
<-1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,19.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,19.478745,-0.000000>,0.350000
<-2.562264,20.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,20.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,18.771639,-0.000000>,0.350000
<-1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.350000
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,18.771639,-0.000000>,0.350000
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,20.619398,-0.000000>,0.350000
<2.620524,21.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.620524,21.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.620524,21.326504,-0.000000>,0.350000
<3.327631,22.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.327631,22.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,20.619398,-0.000000>,0.350000
<1.913417,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,21.619398,-0.000000>,0.350000
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.350000
<1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,20.619398,-0.000000>,0.350000
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,21.543278,-0.000000>,0.350000
<2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,22.467157,-0.000000>,0.350000
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.444151,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,24.314917,-0.000000>,0.350000
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,16.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,16.923880,-0.000000>,0.350000
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,17.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.472474,18.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.472474,18.554867,-0.000000>,0.350000
<2.179580,19.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.179580,19.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.179580,19.261972,-0.000000>,0.350000
<2.886687,19.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.886687,19.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.886687,19.969080,-0.000000>,0.350000
<3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.593794,20.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,17.847759,-0.000000>,0.350000
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,18.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,18.771639,-0.000000>,0.350000
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,19.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,20.695518,-0.000000>,0.350000
<1.913417,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,21.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,21.619398,-0.000000>,0.350000
<2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,22.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,20.695518,-0.000000>,0.350000
<1.530734,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<1.530734,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,22.695518,-0.000000>,0.350000
<1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,20.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,20.695518,-0.000000>,0.350000
<1.530734,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,21.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.350000
<2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,22.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.350000
<1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,23.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,23.619398,-0.000000>,0.350000
<1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,24.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,22.619398,-0.000000>,0.350000
<2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,23.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,23.543278,-0.000000>,0.350000
<2.678784,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,24.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,24.467157,-0.000000>,0.350000
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<3.444151,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,26.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,21.695518,-0.000000>,0.350000
<1.530734,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,22.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,22.695518,-0.000000>,0.350000
<1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,23.695518,-0.000000>,0.350000
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,24.695518,-0.000000>,0.350000
<1.148050,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,25.619398,-0.000000>,0.350000
<0.765367,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,24.695518,-0.000000>,0.350000
<1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.695518,-0.000000>,0.350000
<1.913417,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,26.619398,-0.000000>,0.350000
<2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.543278,-0.000000>,0.350000
<2.678784,28.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,28.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.695518,-0.000000>,0.350000
<1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,26.695518,-0.000000>,0.350000
<1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.695518,-0.000000>,0.350000
<1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.695518,-0.000000>,0.350000
<1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,29.695518,-0.000000>,0.350000
<1.530734,30.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,30.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,19.695518,-0.000000>,0.350000
<1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,20.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,20.619398,-0.000000>,0.350000
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,21.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,21.543278,-0.000000>,0.350000
<2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,22.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,22.467157,-0.000000>,0.350000
<3.385891,23.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.385891,23.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.385891,23.174263,-0.000000>,0.350000
<4.092998,23.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.092998,23.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.092998,23.881371,-0.000000>,0.350000
<4.800104,24.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,24.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,22.467157,-0.000000>,0.350000
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,23.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.061467,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,24.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,24.391037,-0.000000>,0.350000
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,25.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,25.391037,-0.000000>,0.350000
<3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,26.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,24.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,24.098143,-0.000000>,0.350000
<4.475681,24.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,24.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,24.805250,-0.000000>,0.350000
<5.182788,25.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,25.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,25.512356,-0.000000>,0.350000
<5.889894,26.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,26.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,26.219463,-0.000000>,0.350000
<6.597002,26.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.597002,26.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.597002,26.926571,-0.000000>,0.350000
<7.304108,27.633677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.304108,27.633677,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,23.391037,-0.000000>,0.350000
<3.444151,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,24.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,24.314917,-0.000000>,0.350000
<4.151258,25.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,25.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,25.022022,-0.000000>,0.350000
<4.858365,25.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,25.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,24.314917,-0.000000>,0.350000
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,25.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<3.826834,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<3.826834,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<3.826834,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,26.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<4.209518,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,27.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,27.162674,-0.000000>,0.350000
<4.592201,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,28.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,28.086554,-0.000000>,0.350000
<4.974885,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,29.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,26.238796,-0.000000>,0.350000
<3.826834,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,27.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,27.238796,-0.000000>,0.350000
<3.826834,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,28.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,28.238796,-0.000000>,0.350000
<3.826834,29.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,29.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,29.238796,-0.000000>,0.350000
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,30.238796,-0.000000>,0.350000
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,25.238796,-0.000000>,0.350000
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,26.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,26.162674,-0.000000>,0.350000
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,27.086554,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,27.086554,-0.000000>,0.350000
<4.974885,28.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,28.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,28.010433,-0.000000>,0.350000
<5.681992,28.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,28.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,28.717541,-0.000000>,0.350000
<6.389098,29.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,29.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,29.424648,-0.000000>,0.350000
<7.096205,30.131754,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,30.131754,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,28.010433,-0.000000>,0.350000
<5.357568,28.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,28.934313,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,28.934313,-0.000000>,0.350000
<5.740252,29.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,29.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,29.858192,-0.000000>,0.350000
<5.740252,30.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,30.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,30.858192,-0.000000>,0.350000
<5.740252,31.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,31.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,31.858192,-0.000000>,0.350000
<5.740252,32.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,32.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,29.858192,-0.000000>,0.350000
<6.122935,30.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,30.782072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,30.782072,-0.000000>,0.350000
<6.505619,31.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,31.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,31.705952,-0.000000>,0.350000
<6.888302,32.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,32.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,32.629833,-0.000000>,0.350000
<7.270985,33.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,33.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,33.553711,-0.000000>,0.350000
<7.653669,34.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,34.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,34.477592,-0.000000>,0.350000
<8.036352,35.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,35.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.350000
<0.000000,17.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.350000
<0.000000,18.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.350000
<0.000000,19.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.350000
<0.382683,19.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,19.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,19.923880,-0.000000>,0.350000
<0.765367,20.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,20.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,20.847759,-0.000000>,0.350000
<1.148050,21.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,21.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.350000
<0.000000,20.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.350000
<-0.382683,20.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,20.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,20.923880,-0.000000>,0.350000
<-0.765367,21.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,21.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,21.847759,-0.000000>,0.350000
<-1.148050,22.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,22.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.350000
<-0.382683,20.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,20.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,20.923880,-0.000000>,0.350000
<-0.765367,21.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,21.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,21.847759,-0.000000>,0.350000
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,22.847759,-0.000000>,0.350000
<-0.765367,23.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,23.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,21.847759,-0.000000>,0.350000
<-1.148050,22.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,22.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,22.771639,-0.000000>,0.350000
<-1.855157,23.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,23.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,23.478745,-0.000000>,0.350000
<-2.562264,24.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,24.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,22.771639,-0.000000>,0.350000
<-1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,23.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.350000
<0.000000,21.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,21.923880,-0.000000>,0.350000
<0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.847759,-0.000000>,0.350000
<1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.771639,-0.000000>,0.350000
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,21.923880,-0.000000>,0.350000
<1.089790,22.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.089790,22.630987,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.089790,22.630987,-0.000000>,0.350000
<1.796897,23.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.796897,23.338093,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,21.923880,-0.000000>,0.350000
<0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.847759,-0.000000>,0.350000
<0.765367,23.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,23.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,23.847759,-0.000000>,0.350000
<0.765367,24.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,24.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.847759,-0.000000>,0.350000
<1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.771639,-0.000000>,0.350000
<1.855157,24.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.855157,24.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.855157,24.478745,-0.000000>,0.350000
<2.562264,25.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.562264,25.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.562264,25.185852,-0.000000>,0.350000
<3.269371,25.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.269371,25.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.771639,-0.000000>,0.350000
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<-0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.923880,-0.000000>,0.350000
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,22.847759,-0.000000>,0.350000
<-1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,23.771639,-0.000000>,0.350000
<-1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,25.619398,-0.000000>,0.350000
<-2.620524,26.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.620524,26.326504,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.620524,26.326504,-0.000000>,0.350000
<-3.327631,27.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,27.033611,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,25.619398,-0.000000>,0.350000
<-1.913417,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,26.619398,-0.000000>,0.350000
<-1.913417,27.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,27.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,27.619398,-0.000000>,0.350000
<-1.913417,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,28.619398,-0.000000>,0.350000
<-1.913417,29.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,29.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,25.619398,-0.000000>,0.350000
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,27.467157,-0.000000>,0.350000
<-3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,29.391037,-0.000000>,0.350000
<-3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,29.314917,-0.000000>,0.350000
<-3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<-0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.923880,-0.000000>,0.350000
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,22.847759,-0.000000>,0.350000
<-1.472474,23.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,23.554867,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,23.554867,-0.000000>,0.350000
<-1.855157,24.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,24.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,24.478745,-0.000000>,0.350000
<-2.237840,25.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,25.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,23.554867,-0.000000>,0.350000
<-2.179580,24.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,24.261972,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,24.261972,-0.000000>,0.350000
<-2.886687,24.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.886687,24.969080,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.886687,24.969080,-0.000000>,0.350000
<-3.593794,25.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.593794,25.676186,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,22.847759,-0.000000>,0.350000
<-1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,23.771639,-0.000000>,0.350000
<-1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.913417,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,26.619398,-0.000000>,0.350000
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,26.695518,-0.000000>,0.350000
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,28.695518,-0.000000>,0.350000
<-1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,26.695518,-0.000000>,0.350000
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.913417,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,28.619398,-0.000000>,0.350000
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.913417,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,28.619398,-0.000000>,0.350000
<-1.913417,29.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,29.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,29.619398,-0.000000>,0.350000
<-1.913417,30.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,30.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,30.619398,-0.000000>,0.350000
<-1.913417,31.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,31.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,28.619398,-0.000000>,0.350000
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.350000
<-2.678784,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,30.467157,-0.000000>,0.350000
<-3.061467,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.350000
<-3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,32.314915,-0.000000>,0.350000
<-3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,28.695518,-0.000000>,0.350000
<-1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,29.695518,-0.000000>,0.350000
<-1.530734,30.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,30.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,30.695518,-0.000000>,0.350000
<-1.148050,31.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,31.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,31.619398,-0.000000>,0.350000
<-0.765367,32.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,32.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,32.543278,-0.000000>,0.350000
<-0.382683,33.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,33.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,30.695518,-0.000000>,0.350000
<-1.530734,31.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,31.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,31.695518,-0.000000>,0.350000
<-1.530734,32.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,32.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,32.695518,-0.000000>,0.350000
<-1.913417,33.619396,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,33.619396,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,33.619396,-0.000000>,0.350000
<-2.296101,34.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,34.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,34.543278,-0.000000>,0.350000
<-2.678784,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,32.695518,-0.000000>,0.350000
<-1.530734,33.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,33.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,33.695518,-0.000000>,0.350000
<-1.530734,34.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,34.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,34.695518,-0.000000>,0.350000
<-1.530734,35.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.350000
<-1.530734,36.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,36.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,36.695518,-0.000000>,0.350000
<-1.530734,37.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,37.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,37.695518,-0.000000>,0.350000
<-1.530734,38.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,38.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,25.619398,-0.000000>,0.350000
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,27.467157,-0.000000>,0.350000
<-3.385891,28.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.385891,28.174263,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.385891,28.174263,-0.000000>,0.350000
<-4.092998,28.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,28.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,28.881371,-0.000000>,0.350000
<-4.800104,29.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.800104,29.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,27.467157,-0.000000>,0.350000
<-3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,29.391037,-0.000000>,0.350000
<-3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,29.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,29.391037,-0.000000>,0.350000
<-3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,30.391037,-0.000000>,0.350000
<-3.061467,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.350000
<-3.061467,32.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,32.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.768574,29.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,29.098143,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,29.098143,-0.000000>,0.350000
<-4.475681,29.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,29.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,29.805250,-0.000000>,0.350000
<-5.182788,30.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,30.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,30.512356,-0.000000>,0.350000
<-5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.565471,31.436235,-0.000000>,0.350000
<-5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,30.512356,-0.000000>,0.350000
<-5.889894,31.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,31.219463,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,31.219463,-0.000000>,0.350000
<-6.597002,31.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.597002,31.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,31.926571,-0.000000>,0.350000
<-7.304108,32.633678,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.304108,32.633678,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,29.314917,-0.000000>,0.350000
<-4.151258,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.151258,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.151258,30.022022,-0.000000>,0.350000
<-4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,29.314917,-0.000000>,0.350000
<-3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,31.238796,-0.000000>,0.350000
<-3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,32.238796,-0.000000>,0.350000
<-3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,31.238796,-0.000000>,0.350000
<-3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,32.238796,-0.000000>,0.350000
<-4.209518,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,33.162674,-0.000000>,0.350000
<-4.592201,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,34.086555,-0.000000>,0.350000
<-4.974885,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,32.238796,-0.000000>,0.350000
<-3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,33.238796,-0.000000>,0.350000
<-3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,34.238796,-0.000000>,0.350000
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,35.238796,-0.000000>,0.350000
<-3.826834,36.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,36.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,36.238796,-0.000000>,0.350000
<-3.826834,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,37.238796,-0.000000>,0.350000
<-3.826834,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,31.162674,-0.000000>,0.350000
<-4.592201,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,32.086555,-0.000000>,0.350000
<-4.974885,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,33.010433,-0.000000>,0.350000
<-4.974885,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,34.010433,-0.000000>,0.350000
<-4.974885,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,33.010433,-0.000000>,0.350000
<-5.681992,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.681992,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.681992,33.717541,-0.000000>,0.350000
<-6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.389098,34.424648,-0.000000>,0.350000
<-7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,33.010433,-0.000000>,0.350000
<-5.357568,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,33.934315,-0.000000>,0.350000
<-5.740252,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,34.858192,-0.000000>,0.350000
<-5.740252,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,35.858192,-0.000000>,0.350000
<-5.740252,36.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,36.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,36.858192,-0.000000>,0.350000
<-5.740252,37.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,37.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,37.858192,-0.000000>,0.350000
<-5.740252,38.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,38.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,34.858192,-0.000000>,0.350000
<-6.122935,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,35.782074,-0.000000>,0.350000
<-6.505619,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,36.705952,-0.000000>,0.350000
<-6.888302,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,37.629833,-0.000000>,0.350000
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,38.629833,-0.000000>,0.350000
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,37.629833,-0.000000>,0.350000
<-7.270985,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,38.553711,-0.000000>,0.350000
<-7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,39.477592,-0.000000>,0.350000
<-8.036352,40.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,40.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<-0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,21.923880,-0.000000>,0.350000
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,22.847759,-0.000000>,0.350000
<-1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,23.771639,-0.000000>,0.350000
<-1.855157,24.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.855157,24.478745,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.855157,24.478745,-0.000000>,0.350000
<-2.562264,25.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,25.185852,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.562264,25.185852,-0.000000>,0.350000
<-3.269371,25.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.269371,25.892960,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,23.771639,-0.000000>,0.350000
<-1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,26.695518,-0.000000>,0.350000
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.148050,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,26.619398,-0.000000>,0.350000
<-0.765367,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,25.695518,-0.000000>,0.350000
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,26.695518,-0.000000>,0.350000
<-1.913417,27.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,27.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,27.619398,-0.000000>,0.350000
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,26.695518,-0.000000>,0.350000
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.148050,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,28.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,28.619398,-0.000000>,0.350000
<-0.765367,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,29.543278,-0.000000>,0.350000
<-0.382683,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.350000
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,24.695518,-0.000000>,0.350000
<-1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,25.619398,-0.000000>,0.350000
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,27.250383,-0.000000>,0.350000
<-3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,27.957491,-0.000000>,0.350000
<-4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,28.664598,-0.000000>,0.350000
<-5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,27.250383,-0.000000>,0.350000
<-3.927087,27.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.927087,27.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.927087,27.633068,-0.000000>,0.350000
<-4.850966,28.015751,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.850966,28.015751,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,27.250383,-0.000000>,0.350000
<-3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,27.957491,-0.000000>,0.350000
<-4.092998,28.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,28.881371,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.092998,28.881371,-0.000000>,0.350000
<-4.475681,29.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,29.805250,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,29.805250,-0.000000>,0.350000
<-4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,27.957491,-0.000000>,0.350000
<-4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.417421,28.664598,-0.000000>,0.350000
<-5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,29.371704,-0.000000>,0.350000
<-6.048407,29.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.048407,29.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.048407,29.754387,-0.000000>,0.350000
<-6.972287,30.137072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.972287,30.137072,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.972287,30.137072,-0.000000>,0.350000
<-7.896166,30.519754,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.896166,30.519754,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,29.371704,-0.000000>,0.350000
<-5.831635,30.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.831635,30.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,27.543278,-0.000000>,0.350000
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.350000
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.350000
<-1.913417,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,30.467157,-0.000000>,0.350000
<-1.530734,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,31.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.350000
<-2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,30.543278,-0.000000>,0.350000
<-2.678784,31.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,31.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,31.467157,-0.000000>,0.350000
<-3.061467,32.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,32.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,30.543278,-0.000000>,0.350000
<-2.296101,31.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,31.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-1.913417,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,32.467155,-0.000000>,0.350000
<-1.530734,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,33.391037,-0.000000>,0.350000
<-1.148050,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.350000
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,33.391037,-0.000000>,0.350000
<-3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.350000
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,35.238796,-0.000000>,0.350000
<-4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-2.296101,32.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,32.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,32.543278,-0.000000>,0.350000
<-2.296101,33.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,33.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,33.543278,-0.000000>,0.350000
<-1.913417,34.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,34.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,34.467155,-0.000000>,0.350000
<-1.530734,35.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,33.543278,-0.000000>,0.350000
<-2.296101,34.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,34.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,34.543278,-0.000000>,0.350000
<-2.678784,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,35.467155,-0.000000>,0.350000
<-3.061467,36.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,36.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,34.543278,-0.000000>,0.350000
<-2.296101,35.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,35.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.543278,-0.000000>,0.350000
<-2.296101,36.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,36.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,36.543278,-0.000000>,0.350000
<-2.296101,37.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,37.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.350000
<-2.296101,38.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,38.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,27.543278,-0.000000>,0.350000
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.350000
<-1.913417,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,29.467157,-0.000000>,0.350000
<-1.530734,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.350000
<-1.913417,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,29.467157,-0.000000>,0.350000
<-1.913417,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,30.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,30.467157,-0.000000>,0.350000
<-1.913417,31.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,31.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,29.467157,-0.000000>,0.350000
<-1.530734,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,30.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,30.391037,-0.000000>,0.350000
<-1.148050,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,31.314917,-0.000000>,0.350000
<-0.765367,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,32.238796,-0.000000>,0.350000
<-0.382683,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,28.543278,-0.000000>,0.350000
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.350000
<-2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,30.543278,-0.000000>,0.350000
<-2.296101,31.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,31.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.350000
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.350000
<-2.678784,33.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,33.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,33.467155,-0.000000>,0.350000
<-2.678784,34.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,34.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,34.467155,-0.000000>,0.350000
<-2.678784,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.350000
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,33.391037,-0.000000>,0.350000
<-3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.350000
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,35.238796,-0.000000>,0.350000
<-4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.162674,-0.000000>,0.350000
<-4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,32.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,32.467155,-0.000000>,0.350000
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,33.391037,-0.000000>,0.350000
<-3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.350000
<-3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,35.314915,-0.000000>,0.350000
<-3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,36.314915,-0.000000>,0.350000
<-3.444151,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.350000
<-3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,35.314915,-0.000000>,0.350000
<-3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,36.314915,-0.000000>,0.350000
<-3.826834,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,37.238796,-0.000000>,0.350000
<-4.209518,38.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,38.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,38.162674,-0.000000>,0.350000
<-4.592201,39.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,39.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,36.314915,-0.000000>,0.350000
<-3.444151,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,37.314915,-0.000000>,0.350000
<-3.444151,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,38.314915,-0.000000>,0.350000
<-3.444151,39.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,39.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,39.314915,-0.000000>,0.350000
<-3.444151,40.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,40.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,40.314915,-0.000000>,0.350000
<-3.444151,41.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,41.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,41.314915,-0.000000>,0.350000
<-3.444151,42.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,42.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,34.314915,-0.000000>,0.350000
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,35.238796,-0.000000>,0.350000
<-4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.162674,-0.000000>,0.350000
<-4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.350000
<-4.592201,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,38.086555,-0.000000>,0.350000
<-4.592201,39.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,39.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.350000
<-5.299308,37.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.299308,37.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.299308,37.793663,-0.000000>,0.350000
<-6.006415,38.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,38.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,38.500767,-0.000000>,0.350000
<-6.713521,39.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,39.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.350000
<-4.974885,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,38.010433,-0.000000>,0.350000
<-5.357568,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,38.934315,-0.000000>,0.350000
<-5.357568,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,39.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,39.934315,-0.000000>,0.350000
<-5.357568,40.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,40.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,40.934315,-0.000000>,0.350000
<-5.357568,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,41.934315,-0.000000>,0.350000
<-5.357568,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,38.934315,-0.000000>,0.350000
<-5.740252,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,39.858192,-0.000000>,0.350000
<-6.122935,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,40.782074,-0.000000>,0.350000
<-6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,41.705952,-0.000000>,0.350000
<-6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,42.705952,-0.000000>,0.350000
<-6.505619,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,41.705952,-0.000000>,0.350000
<-6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,42.629833,-0.000000>,0.350000
<-7.270985,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,43.553711,-0.000000>,0.350000
<-7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,31.543278,-0.000000>,0.350000
<-2.296101,32.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,32.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,32.543278,-0.000000>,0.350000
<-2.296101,33.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,33.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,33.543278,-0.000000>,0.350000
<-2.296101,34.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,34.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,34.543278,-0.000000>,0.350000
<-1.913417,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,35.467155,-0.000000>,0.350000
<-1.530734,36.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,36.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,34.543278,-0.000000>,0.350000
<-1.913417,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,35.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,35.467155,-0.000000>,0.350000
<-1.530734,36.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,36.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,36.391037,-0.000000>,0.350000
<-1.148050,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,37.314915,-0.000000>,0.350000
<-0.765367,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,34.543278,-0.000000>,0.350000
<-2.296101,35.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,35.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.543278,-0.000000>,0.350000
<-2.678784,36.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,36.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,36.467155,-0.000000>,0.350000
<-3.061467,37.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,37.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.543278,-0.000000>,0.350000
<-2.678784,36.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,36.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,36.467155,-0.000000>,0.350000
<-3.061467,37.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,37.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,37.391037,-0.000000>,0.350000
<-3.444151,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,38.314915,-0.000000>,0.350000
<-3.826834,39.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,39.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.543278,-0.000000>,0.350000
<-1.913417,36.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,36.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,36.467155,-0.000000>,0.350000
<-1.530734,37.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,37.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,37.391037,-0.000000>,0.350000
<-1.148050,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,38.314915,-0.000000>,0.350000
<-0.765367,39.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,39.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,39.238796,-0.000000>,0.350000
<-0.765367,40.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,40.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,40.238796,-0.000000>,0.350000
<-0.765367,41.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,41.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,39.238796,-0.000000>,0.350000
<-0.382683,40.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,40.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,40.162674,-0.000000>,0.350000
<-0.000000,41.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.000000,41.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.000000,41.086555,-0.000000>,0.350000
<0.382683,42.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,42.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,42.010433,-0.000000>,0.350000
<0.765367,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,35.543278,-0.000000>,0.350000
<-2.296101,36.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,36.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,36.543278,-0.000000>,0.350000
<-1.913417,37.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,37.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,37.467155,-0.000000>,0.350000
<-1.530734,38.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,38.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,38.391037,-0.000000>,0.350000
<-1.148050,39.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,39.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,36.543278,-0.000000>,0.350000
<-2.296101,37.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,37.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.350000
<-2.296101,38.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,38.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,38.543278,-0.000000>,0.350000
<-2.678784,39.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,39.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,39.467155,-0.000000>,0.350000
<-3.061467,40.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,40.391037,-0.000000>,0.350000
<-3.444151,41.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,41.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,38.543278,-0.000000>,0.350000
<-2.678784,39.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,39.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,39.467155,-0.000000>,0.350000
<-3.061467,40.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,40.391037,-0.000000>,0.350000
<-3.061467,41.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,41.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,41.391037,-0.000000>,0.350000
<-3.061467,42.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,42.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,42.391037,-0.000000>,0.350000
<-3.061467,43.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,43.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,43.391037,-0.000000>,0.350000
<-3.061467,44.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,44.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,40.391037,-0.000000>,0.350000
<-3.444151,41.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,41.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,41.314915,-0.000000>,0.350000
<-3.826834,42.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,42.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,42.238796,-0.000000>,0.350000
<-4.209518,43.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,43.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,43.162674,-0.000000>,0.350000
<-4.209518,44.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,44.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,44.162674,-0.000000>,0.350000
<-4.209518,45.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,45.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,43.162674,-0.000000>,0.350000
<-4.592201,44.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,44.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,44.086555,-0.000000>,0.350000
<-4.974885,45.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,45.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,45.010433,-0.000000>,0.350000
<-5.357568,45.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,45.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,38.543278,-0.000000>,0.350000
<-2.296101,39.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,39.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,39.543278,-0.000000>,0.350000
<-2.296101,40.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,40.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,40.543278,-0.000000>,0.350000
<-1.913417,41.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,41.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,41.467155,-0.000000>,0.350000
<-1.530734,42.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,42.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,40.543278,-0.000000>,0.350000
<-2.296101,41.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,41.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,41.543278,-0.000000>,0.350000
<-2.678784,42.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,42.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,42.467155,-0.000000>,0.350000
<-3.061467,43.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,43.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,41.543278,-0.000000>,0.350000
<-1.913417,42.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,42.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,42.467155,-0.000000>,0.350000
<-1.530734,43.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,43.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,43.391037,-0.000000>,0.350000
<-1.148050,44.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,44.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,44.314915,-0.000000>,0.350000
<-0.765367,45.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,45.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,41.543278,-0.000000>,0.350000
<-2.296101,42.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,42.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,42.543278,-0.000000>,0.350000
<-2.296101,43.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,43.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,43.543278,-0.000000>,0.350000
<-2.678784,44.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,44.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,44.467155,-0.000000>,0.350000
<-2.678784,45.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,45.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,45.467155,-0.000000>,0.350000
<-2.678784,46.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,46.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,44.467155,-0.000000>,0.350000
<-3.061467,45.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,45.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,45.391037,-0.000000>,0.350000
<-3.444151,46.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,46.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,46.314915,-0.000000>,0.350000
<-3.826834,47.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,47.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,43.543278,-0.000000>,0.350000
<-2.296101,44.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,44.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,44.543278,-0.000000>,0.350000
<-2.296101,45.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,45.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,45.543278,-0.000000>,0.350000
<-1.913417,46.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,46.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,46.467155,-0.000000>,0.350000
<-1.530734,47.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,47.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,45.543278,-0.000000>,0.350000
<-2.296101,46.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,46.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,46.543278,-0.000000>,0.350000
<-2.678784,47.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,47.467155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,47.467155,-0.000000>,0.350000
<-3.061467,48.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,48.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,46.543278,-0.000000>,0.350000
<-2.296101,47.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,47.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,47.543278,-0.000000>,0.350000
<-2.296101,48.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,48.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,48.543278,-0.000000>,0.350000
<-2.296101,49.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,49.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,49.543278,-0.000000>,0.350000
<-2.296101,50.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,50.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,26.543278,-0.000000>,0.350000
<-2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,27.467157,-0.000000>,0.350000
<-3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,28.391037,-0.000000>,0.350000
<-3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,29.314917,-0.000000>,0.350000
<-3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,30.314917,-0.000000>,0.350000
<-3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,31.314917,-0.000000>,0.350000
<-3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,32.314915,-0.000000>,0.350000
<-3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,29.314917,-0.000000>,0.350000
<-3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,31.238796,-0.000000>,0.350000
<-3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-4.533941,30.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,30.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,30.945902,-0.000000>,0.350000
<-5.241048,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,31.653009,-0.000000>,0.350000
<-5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,32.360115,-0.000000>,0.350000
<-6.655262,33.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,33.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-4.533941,30.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.533941,30.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,30.945902,-0.000000>,0.350000
<-5.457820,31.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.457820,31.328585,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.457820,31.328585,-0.000000>,0.350000
<-6.381700,31.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.381700,31.711269,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.533941,30.945902,-0.000000>,0.350000
<-5.241048,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.241048,31.653009,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,31.653009,-0.000000>,0.350000
<-5.623731,32.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.623731,32.576889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.623731,32.576889,-0.000000>,0.350000
<-6.006415,33.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,33.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,33.500767,-0.000000>,0.350000
<-6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.241048,31.653009,-0.000000>,0.350000
<-5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.948154,32.360115,-0.000000>,0.350000
<-6.655262,33.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,33.067223,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655262,33.067223,-0.000000>,0.350000
<-7.579141,33.449905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.579141,33.449905,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.579141,33.449905,-0.000000>,0.350000
<-8.503020,33.832588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.503020,33.832588,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.503020,33.832588,-0.000000>,0.350000
<-9.426900,34.215271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.426900,34.215271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655262,33.067223,-0.000000>,0.350000
<-7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,30.238796,-0.000000>,0.350000
<-4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,31.162674,-0.000000>,0.350000
<-4.592201,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,32.086555,-0.000000>,0.350000
<-4.592201,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,33.086555,-0.000000>,0.350000
<-4.592201,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,34.086555,-0.000000>,0.350000
<-4.592201,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,35.086555,-0.000000>,0.350000
<-4.209518,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,36.010433,-0.000000>,0.350000
<-3.826834,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,35.086555,-0.000000>,0.350000
<-4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,32.086555,-0.000000>,0.350000
<-4.592201,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,33.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,33.086555,-0.000000>,0.350000
<-4.209518,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,34.010433,-0.000000>,0.350000
<-3.826834,34.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,34.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,34.934315,-0.000000>,0.350000
<-3.444151,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,35.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,33.086555,-0.000000>,0.350000
<-4.592201,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,34.086555,-0.000000>,0.350000
<-4.592201,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,35.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,35.086555,-0.000000>,0.350000
<-4.974885,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,36.010433,-0.000000>,0.350000
<-5.357568,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,36.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,36.934315,-0.000000>,0.350000
<-5.740252,37.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,37.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,35.086555,-0.000000>,0.350000
<-4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,36.086555,-0.000000>,0.350000
<-4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.350000
<-4.209518,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,38.010433,-0.000000>,0.350000
<-3.826834,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,38.934315,-0.000000>,0.350000
<-3.444151,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,39.858192,-0.000000>,0.350000
<-3.061467,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,37.086555,-0.000000>,0.350000
<-4.592201,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,32.086555,-0.000000>,0.350000
<-5.299308,32.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.299308,32.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.299308,32.793663,-0.000000>,0.350000
<-6.006415,33.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,33.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,33.500767,-0.000000>,0.350000
<-6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.389098,34.424648,-0.000000>,0.350000
<-6.771781,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.771781,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,33.500767,-0.000000>,0.350000
<-6.713521,34.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,34.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,34.207874,-0.000000>,0.350000
<-7.637401,34.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.637401,34.590557,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.637401,34.590557,-0.000000>,0.350000
<-8.561280,34.973240,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.561280,34.973240,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,34.207874,-0.000000>,0.350000
<-7.420629,34.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,34.914982,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,34.914982,-0.000000>,0.350000
<-7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803312,35.838860,-0.000000>,0.350000
<-8.185995,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.185995,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.185995,36.762741,-0.000000>,0.350000
<-8.568679,37.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.568679,37.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,34.914982,-0.000000>,0.350000
<-8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,35.622089,-0.000000>,0.350000
<-9.051615,36.004772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.051615,36.004772,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.051615,36.004772,-0.000000>,0.350000
<-9.975494,36.387455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.975494,36.387455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.975494,36.387455,-0.000000>,0.350000
<-10.899374,36.770138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.899374,36.770138,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,35.622089,-0.000000>,0.350000
<-8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.510419,36.545967,-0.000000>,0.350000
<-8.893102,37.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.893102,37.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.893102,37.469849,-0.000000>,0.350000
<-9.275785,38.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.275785,38.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.275785,38.393726,-0.000000>,0.350000
<-9.658469,39.317608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.658469,39.317608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.658469,39.317608,-0.000000>,0.350000
<-10.041152,40.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.041152,40.241486,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.041152,40.241486,-0.000000>,0.350000
<-10.423836,41.165367,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.423836,41.165367,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.127735,35.622089,-0.000000>,0.350000
<-8.834842,36.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.834842,36.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.834842,36.329197,-0.000000>,0.350000
<-9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.217525,37.253075,-0.000000>,0.350000
<-9.600208,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.600208,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.834842,36.329197,-0.000000>,0.350000
<-9.541948,37.036301,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.541948,37.036301,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.541948,37.036301,-0.000000>,0.350000
<-10.465828,37.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.465828,37.418983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.465828,37.418983,-0.000000>,0.350000
<-11.389708,37.801670,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.389708,37.801670,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.541948,37.036301,-0.000000>,0.350000
<-10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,37.743408,-0.000000>,0.350000
<-10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.631739,38.667290,-0.000000>,0.350000
<-11.014422,39.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.014422,39.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,39.591167,-0.000000>,0.350000
<-11.397106,40.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,40.515049,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,37.743408,-0.000000>,0.350000
<-10.956162,38.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.956162,38.450516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.956162,38.450516,-0.000000>,0.350000
<-11.663269,39.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.663269,39.157623,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.663269,39.157623,-0.000000>,0.350000
<-12.370376,39.864731,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.370376,39.864731,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.370376,39.864731,-0.000000>,0.350000
<-13.077482,40.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.077482,40.571835,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.077482,40.571835,-0.000000>,0.350000
<-13.784590,41.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.784590,41.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,32.086555,-0.000000>,0.350000
<-4.974885,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,33.010433,-0.000000>,0.350000
<-5.357568,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,33.934315,-0.000000>,0.350000
<-5.740252,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,34.858192,-0.000000>,0.350000
<-6.447358,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.447358,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.447358,35.565300,-0.000000>,0.350000
<-7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,34.858192,-0.000000>,0.350000
<-6.447358,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.447358,35.565300,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.447358,35.565300,-0.000000>,0.350000
<-6.830042,36.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,36.489178,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,36.489178,-0.000000>,0.350000
<-7.212725,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.212725,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.212725,37.413059,-0.000000>,0.350000
<-7.595408,38.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.595408,38.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.447358,35.565300,-0.000000>,0.350000
<-7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.154465,36.272408,-0.000000>,0.350000
<-7.861572,36.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.861572,36.979515,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.861572,36.979515,-0.000000>,0.350000
<-8.568679,37.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.568679,37.686619,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.568679,37.686619,-0.000000>,0.350000
<-9.275785,38.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.275785,38.393726,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.275785,38.393726,-0.000000>,0.350000
<-9.982892,39.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.982892,39.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,34.858192,-0.000000>,0.350000
<-6.122935,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,35.782074,-0.000000>,0.350000
<-6.505619,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,36.705952,-0.000000>,0.350000
<-6.888302,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,37.629833,-0.000000>,0.350000
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,38.629833,-0.000000>,0.350000
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,39.629833,-0.000000>,0.350000
<-6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,37.629833,-0.000000>,0.350000
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,38.629833,-0.000000>,0.350000
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,39.629833,-0.000000>,0.350000
<-7.270985,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,40.553711,-0.000000>,0.350000
<-7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,41.477592,-0.000000>,0.350000
<-8.036352,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,39.629833,-0.000000>,0.350000
<-6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,40.629833,-0.000000>,0.350000
<-6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,41.629833,-0.000000>,0.350000
<-6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,42.629833,-0.000000>,0.350000
<-6.888302,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,43.629833,-0.000000>,0.350000
<-6.888302,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,44.629833,-0.000000>,0.350000
<-6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,37.629833,-0.000000>,0.350000
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,38.629833,-0.000000>,0.350000
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,39.629833,-0.000000>,0.350000
<-6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,40.629833,-0.000000>,0.350000
<-6.505619,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,41.553711,-0.000000>,0.350000
<-6.122935,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,40.629833,-0.000000>,0.350000
<-7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,41.553711,-0.000000>,0.350000
<-7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,42.477592,-0.000000>,0.350000
<-8.036352,43.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,43.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,40.629833,-0.000000>,0.350000
<-7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,41.553711,-0.000000>,0.350000
<-7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,42.477592,-0.000000>,0.350000
<-7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,43.477592,-0.000000>,0.350000
<-7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,44.477592,-0.000000>,0.350000
<-7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,45.477592,-0.000000>,0.350000
<-7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,42.477592,-0.000000>,0.350000
<-8.036352,43.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,43.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,43.401470,-0.000000>,0.350000
<-8.419036,44.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,44.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,44.325348,-0.000000>,0.350000
<-8.801719,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801719,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,45.249229,-0.000000>,0.350000
<-8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,46.249229,-0.000000>,0.350000
<-8.801719,47.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801719,47.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,45.249229,-0.000000>,0.350000
<-9.184402,46.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.184402,46.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.184402,46.173107,-0.000000>,0.350000
<-9.567086,47.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,47.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,47.096989,-0.000000>,0.350000
<-9.949769,48.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,48.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,40.629833,-0.000000>,0.350000
<-6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,41.629833,-0.000000>,0.350000
<-6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,42.629833,-0.000000>,0.350000
<-6.505619,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,43.553711,-0.000000>,0.350000
<-6.122935,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,42.629833,-0.000000>,0.350000
<-6.888302,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,43.629833,-0.000000>,0.350000
<-7.270985,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,44.553711,-0.000000>,0.350000
<-7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,43.629833,-0.000000>,0.350000
<-6.505619,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,44.553711,-0.000000>,0.350000
<-6.122935,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,45.477592,-0.000000>,0.350000
<-5.740252,46.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,46.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,46.401470,-0.000000>,0.350000
<-5.357568,47.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,47.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,43.629833,-0.000000>,0.350000
<-6.888302,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,44.629833,-0.000000>,0.350000
<-6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,45.629833,-0.000000>,0.350000
<-7.270985,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,46.553711,-0.000000>,0.350000
<-7.270985,47.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,47.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,47.553711,-0.000000>,0.350000
<-7.270985,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,46.553711,-0.000000>,0.350000
<-7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,47.477592,-0.000000>,0.350000
<-8.036352,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,48.401470,-0.000000>,0.350000
<-8.419036,49.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,49.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,45.629833,-0.000000>,0.350000
<-6.888302,46.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,46.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,46.629833,-0.000000>,0.350000
<-6.888302,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,47.629833,-0.000000>,0.350000
<-6.505619,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,48.553711,-0.000000>,0.350000
<-6.122935,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,47.629833,-0.000000>,0.350000
<-6.888302,48.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,48.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,48.629833,-0.000000>,0.350000
<-7.270985,49.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,49.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,49.553711,-0.000000>,0.350000
<-7.653669,50.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,50.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,48.629833,-0.000000>,0.350000
<-6.888302,49.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,49.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,49.629833,-0.000000>,0.350000
<-6.888302,50.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,50.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,50.629833,-0.000000>,0.350000
<-6.888302,51.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,51.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,51.629833,-0.000000>,0.350000
<-6.888302,52.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,52.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,37.629833,-0.000000>,0.350000
<-7.270985,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,38.553711,-0.000000>,0.350000
<-7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,39.477592,-0.000000>,0.350000
<-7.653669,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,40.477592,-0.000000>,0.350000
<-7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,39.477592,-0.000000>,0.350000
<-8.036352,40.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,40.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,40.401470,-0.000000>,0.350000
<-8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.743459,41.108578,-0.000000>,0.350000
<-9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,40.401470,-0.000000>,0.350000
<-8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.743459,41.108578,-0.000000>,0.350000
<-9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.450565,41.815685,-0.000000>,0.350000
<-10.157673,42.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.157673,42.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.157673,42.522789,-0.000000>,0.350000
<-10.864779,43.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.864779,43.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,40.401470,-0.000000>,0.350000
<-8.419036,41.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,41.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,41.325348,-0.000000>,0.350000
<-8.419036,42.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,42.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,42.325348,-0.000000>,0.350000
<-8.419036,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,43.325348,-0.000000>,0.350000
<-8.419036,44.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,44.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,41.325348,-0.000000>,0.350000
<-8.419036,42.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,42.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,42.325348,-0.000000>,0.350000
<-8.419036,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,43.325348,-0.000000>,0.350000
<-8.419036,44.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,44.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,44.325348,-0.000000>,0.350000
<-8.036352,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.036352,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.036352,45.249229,-0.000000>,0.350000
<-7.653669,46.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,46.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,44.325348,-0.000000>,0.350000
<-8.419036,45.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.419036,45.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,41.325348,-0.000000>,0.350000
<-9.126143,42.032455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.126143,42.032455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.126143,42.032455,-0.000000>,0.350000
<-9.833249,42.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.833249,42.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.833249,42.739563,-0.000000>,0.350000
<-10.540356,43.446671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.540356,43.446671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.540356,43.446671,-0.000000>,0.350000
<-11.247462,44.153778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.247462,44.153778,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.247462,44.153778,-0.000000>,0.350000
<-11.954570,44.860882,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.954570,44.860882,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.954570,44.860882,-0.000000>,0.350000
<-12.337253,45.784763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.337253,45.784763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.337253,45.784763,-0.000000>,0.350000
<-12.719936,46.708641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.719936,46.708641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.719936,46.708641,-0.000000>,0.350000
<-13.102620,47.632523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.102620,47.632523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.954570,44.860882,-0.000000>,0.350000
<-12.661676,45.567989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.661676,45.567989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.661676,45.567989,-0.000000>,0.350000
<-13.368783,46.275097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.368783,46.275097,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.368783,46.275097,-0.000000>,0.350000
<-14.075890,46.982204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.075890,46.982204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,46.982204,-0.000000>,0.350000
<-14.782996,47.689312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.782996,47.689312,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.782996,47.689312,-0.000000>,0.350000
<-15.490104,48.396416,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.490104,48.396416,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.419036,41.325348,-0.000000>,0.350000
<-8.801719,42.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.801719,42.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.801719,42.249229,-0.000000>,0.350000
<-9.184402,43.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.184402,43.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.184402,43.173107,-0.000000>,0.350000
<-9.891509,43.880215,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.891509,43.880215,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.891509,43.880215,-0.000000>,0.350000
<-10.598616,44.587322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.598616,44.587322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.598616,44.587322,-0.000000>,0.350000
<-11.305723,45.294430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.305723,45.294430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.184402,43.173107,-0.000000>,0.350000
<-9.567086,44.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,44.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,44.096989,-0.000000>,0.350000
<-9.949769,45.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,45.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,45.020866,-0.000000>,0.350000
<-9.949769,46.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,46.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,46.020866,-0.000000>,0.350000
<-9.949769,47.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,47.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,47.020866,-0.000000>,0.350000
<-9.949769,48.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,48.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,48.020866,-0.000000>,0.350000
<-9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,45.020866,-0.000000>,0.350000
<-9.949769,46.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,46.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,46.020866,-0.000000>,0.350000
<-9.949769,47.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,47.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,47.020866,-0.000000>,0.350000
<-10.332453,47.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,47.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.332453,47.944748,-0.000000>,0.350000
<-10.332453,48.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,48.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.332453,48.944748,-0.000000>,0.350000
<-10.332453,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.332453,47.944748,-0.000000>,0.350000
<-10.715137,48.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.715137,48.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.715137,48.868626,-0.000000>,0.350000
<-11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.097819,49.792507,-0.000000>,0.350000
<-11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,47.020866,-0.000000>,0.350000
<-9.949769,48.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,48.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,48.020866,-0.000000>,0.350000
<-9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,49.020866,-0.000000>,0.350000
<-9.567086,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.567086,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.567086,49.944748,-0.000000>,0.350000
<-9.184402,50.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.184402,50.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,49.020866,-0.000000>,0.350000
<-9.949769,50.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,50.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,50.020866,-0.000000>,0.350000
<-10.332453,50.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,50.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.332453,50.944748,-0.000000>,0.350000
<-10.715137,51.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.715137,51.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,50.020866,-0.000000>,0.350000
<-9.949769,51.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,51.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,51.020866,-0.000000>,0.350000
<-9.949769,52.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,52.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,52.020866,-0.000000>,0.350000
<-9.949769,53.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,53.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,53.020866,-0.000000>,0.350000
<-9.949769,54.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.949769,54.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.949769,45.020866,-0.000000>,0.350000
<-10.332453,45.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.332453,45.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.332453,45.944748,-0.000000>,0.350000
<-10.715137,46.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.715137,46.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.715137,46.868626,-0.000000>,0.350000
<-11.097819,47.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.097819,47.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.097819,47.792507,-0.000000>,0.350000
<-11.804926,48.499615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.804926,48.499615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.804926,48.499615,-0.000000>,0.350000
<-12.512033,49.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.512033,49.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.097819,47.792507,-0.000000>,0.350000
<-11.480503,48.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480503,48.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480503,48.716385,-0.000000>,0.350000
<-11.480503,49.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480503,49.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480503,49.716385,-0.000000>,0.350000
<-11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480503,50.716385,-0.000000>,0.350000
<-11.480503,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.480503,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480503,48.716385,-0.000000>,0.350000
<-12.187610,49.423492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.187610,49.423492,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.187610,49.423492,-0.000000>,0.350000
<-12.894716,50.130600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.894716,50.130600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.894716,50.130600,-0.000000>,0.350000
<-13.601823,50.837708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.601823,50.837708,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.601823,50.837708,-0.000000>,0.350000
<-14.308930,51.544811,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.308930,51.544811,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.308930,51.544811,-0.000000>,0.350000
<-15.016037,52.251919,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.016037,52.251919,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.480503,48.716385,-0.000000>,0.350000
<-11.863187,49.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.863187,49.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.863187,49.640266,-0.000000>,0.350000
<-12.245870,50.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,50.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,50.564144,-0.000000>,0.350000
<-12.245870,51.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,51.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,51.564144,-0.000000>,0.350000
<-12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,50.564144,-0.000000>,0.350000
<-12.245870,51.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,51.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,51.564144,-0.000000>,0.350000
<-12.628553,52.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.628553,52.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.628553,52.488026,-0.000000>,0.350000
<-13.011237,53.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.011237,53.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,51.564144,-0.000000>,0.350000
<-12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,52.564144,-0.000000>,0.350000
<-12.245870,53.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,53.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,53.564144,-0.000000>,0.350000
<-12.245870,54.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,54.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,54.564144,-0.000000>,0.350000
<-12.245870,55.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.245870,55.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.245870,50.564144,-0.000000>,0.350000
<-12.628553,51.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.628553,51.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.628553,51.488026,-0.000000>,0.350000
<-13.011237,52.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.011237,52.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.011237,52.411903,-0.000000>,0.350000
<-13.393920,53.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.393920,53.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.393920,53.335785,-0.000000>,0.350000
<-14.101027,54.042889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.101027,54.042889,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.101027,54.042889,-0.000000>,0.350000
<-14.808134,54.749996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.808134,54.749996,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.393920,53.335785,-0.000000>,0.350000
<-13.776604,54.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.776604,54.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.776604,54.259663,-0.000000>,0.350000
<-13.776604,55.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.776604,55.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.776604,55.259663,-0.000000>,0.350000
<-13.776604,56.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.776604,56.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.776604,56.259663,-0.000000>,0.350000
<-13.776604,57.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.776604,57.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.776604,54.259663,-0.000000>,0.350000
<-14.159287,55.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.159287,55.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.159287,55.183544,-0.000000>,0.350000
<-14.541970,56.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.541970,56.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.541970,56.107422,-0.000000>,0.350000
<-14.924654,57.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.924654,57.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.924654,57.031303,-0.000000>,0.350000
<-15.307338,57.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.307338,57.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.307338,57.955181,-0.000000>,0.350000
<-15.690021,58.879063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.690021,58.879063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,21.923880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,21.923880,-0.000000>,0.350000
<0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,22.847759,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,22.847759,-0.000000>,0.350000
<1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,23.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.771639,-0.000000>,0.350000
<1.148050,24.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,24.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,24.771639,-0.000000>,0.350000
<1.148050,25.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,25.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,25.771639,-0.000000>,0.350000
<1.148050,26.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,26.771639,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,23.771639,-0.000000>,0.350000
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,24.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,24.695518,-0.000000>,0.350000
<2.237840,25.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,25.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,25.402624,-0.000000>,0.350000
<2.944947,26.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,26.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,24.695518,-0.000000>,0.350000
<2.237840,25.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,25.402624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.237840,25.402624,-0.000000>,0.350000
<2.944947,26.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.944947,26.109732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.944947,26.109732,-0.000000>,0.350000
<3.652054,26.816839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.652054,26.816839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.652054,26.816839,-0.000000>,0.350000
<4.359161,27.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.359161,27.523945,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,24.695518,-0.000000>,0.350000
<1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,25.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.695518,-0.000000>,0.350000
<1.148050,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,26.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,26.619398,-0.000000>,0.350000
<0.765367,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,25.695518,-0.000000>,0.350000
<1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,26.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,26.695518,-0.000000>,0.350000
<1.913417,27.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,27.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,27.619398,-0.000000>,0.350000
<2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,28.543278,-0.000000>,0.350000
<2.678784,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,29.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,26.695518,-0.000000>,0.350000
<1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,27.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,27.695518,-0.000000>,0.350000
<1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,28.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.695518,-0.000000>,0.350000
<1.148050,29.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,29.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,29.619398,-0.000000>,0.350000
<0.765367,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,30.543278,-0.000000>,0.350000
<0.382683,31.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,31.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,28.695518,-0.000000>,0.350000
<1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,29.695518,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,24.695518,-0.000000>,0.350000
<1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,25.619398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,25.619398,-0.000000>,0.350000
<2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,26.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.350000
<2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,27.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,27.543278,-0.000000>,0.350000
<2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,28.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,28.543278,-0.000000>,0.350000
<2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,29.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,29.543278,-0.000000>,0.350000
<2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,30.543278,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.350000
<3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,27.250383,-0.000000>,0.350000
<3.927087,27.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.927087,27.633068,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.927087,27.633068,-0.000000>,0.350000
<4.850966,28.015751,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.850966,28.015751,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.850966,28.015751,-0.000000>,0.350000
<5.774846,28.398434,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.774846,28.398434,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,27.250383,-0.000000>,0.350000
<3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,27.957491,-0.000000>,0.350000
<4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,28.664598,-0.000000>,0.350000
<4.800104,29.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.800104,29.588476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.800104,29.588476,-0.000000>,0.350000
<5.182788,30.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,30.512356,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,30.512356,-0.000000>,0.350000
<5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,28.664598,-0.000000>,0.350000
<5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.124528,29.371704,-0.000000>,0.350000
<5.831635,30.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.831635,30.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,30.078812,-0.000000>,0.350000
<6.755514,30.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.755514,30.461494,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.755514,30.461494,-0.000000>,0.350000
<7.679394,30.844177,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.679394,30.844177,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.679394,30.844177,-0.000000>,0.350000
<8.603273,31.226862,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.603273,31.226862,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.603273,31.226862,-0.000000>,0.350000
<9.527153,31.609545,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.527153,31.609545,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,30.078812,-0.000000>,0.350000
<6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.350000
<3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.003207,27.250383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.003207,27.250383,-0.000000>,0.350000
<3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.710314,27.957491,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,27.957491,-0.000000>,0.350000
<4.634194,28.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.634194,28.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.634194,28.340174,-0.000000>,0.350000
<5.558073,28.722858,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.558073,28.722858,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,27.957491,-0.000000>,0.350000
<4.634194,28.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.634194,28.340174,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.634194,28.340174,-0.000000>,0.350000
<5.341300,29.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.341300,29.047281,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.341300,29.047281,-0.000000>,0.350000
<6.048407,29.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.048407,29.754387,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.634194,28.340174,-0.000000>,0.350000
<5.558073,28.722858,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.558073,28.722858,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.558073,28.722858,-0.000000>,0.350000
<6.481953,29.105541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.481953,29.105541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.481953,29.105541,-0.000000>,0.350000
<7.405832,29.488224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.405832,29.488224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.405832,29.488224,-0.000000>,0.350000
<8.329712,29.870909,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.329712,29.870909,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.710314,27.957491,-0.000000>,0.350000
<4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.417421,28.664598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.417421,28.664598,-0.000000>,0.350000
<5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.124528,29.371704,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.124528,29.371704,-0.000000>,0.350000
<5.831635,30.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.831635,30.078812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,30.078812,-0.000000>,0.350000
<6.214318,31.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.214318,31.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.214318,31.002691,-0.000000>,0.350000
<6.597002,31.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.597002,31.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,30.078812,-0.000000>,0.350000
<6.214318,31.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.214318,31.002691,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.214318,31.002691,-0.000000>,0.350000
<6.921425,31.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.921425,31.709797,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.921425,31.709797,-0.000000>,0.350000
<7.628531,32.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.628531,32.416904,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.628531,32.416904,-0.000000>,0.350000
<8.335638,33.124012,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.335638,33.124012,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.214318,31.002691,-0.000000>,0.350000
<6.597002,31.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.597002,31.926571,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.597002,31.926571,-0.000000>,0.350000
<6.979685,32.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.979685,32.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.979685,32.850449,-0.000000>,0.350000
<7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,33.774330,-0.000000>,0.350000
<7.745052,34.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,34.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,34.698208,-0.000000>,0.350000
<8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.831635,30.078812,-0.000000>,0.350000
<6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.538741,30.785917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.538741,30.785917,-0.000000>,0.350000
<7.245848,31.493025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.245848,31.493025,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.245848,31.493025,-0.000000>,0.350000
<7.952955,32.200130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.952955,32.200130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.952955,32.200130,-0.000000>,0.350000
<8.876834,32.582813,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.876834,32.582813,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.876834,32.582813,-0.000000>,0.350000
<9.800714,32.965500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.800714,32.965500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.800714,32.965500,-0.000000>,0.350000
<10.724593,33.348183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.724593,33.348183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.952955,32.200130,-0.000000>,0.350000
<8.876834,32.582813,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.876834,32.582813,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.876834,32.582813,-0.000000>,0.350000
<9.800714,32.965500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.800714,32.965500,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.800714,32.965500,-0.000000>,0.350000
<10.507821,33.672604,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.507821,33.672604,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.507821,33.672604,-0.000000>,0.350000
<11.214928,34.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.214928,34.379711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.214928,34.379711,-0.000000>,0.350000
<11.922034,35.086819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.922034,35.086819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.800714,32.965500,-0.000000>,0.350000
<10.724593,33.348183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.724593,33.348183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.724593,33.348183,-0.000000>,0.350000
<11.648473,33.730865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.648473,33.730865,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.648473,33.730865,-0.000000>,0.350000
<12.572352,34.113548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.572352,34.113548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.572352,34.113548,-0.000000>,0.350000
<13.496232,34.496231,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.496232,34.496231,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.496232,34.496231,-0.000000>,0.350000
<14.420112,34.878914,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.420112,34.878914,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.420112,34.878914,-0.000000>,0.350000
<15.343991,35.261600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.343991,35.261600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.952955,32.200130,-0.000000>,0.350000
<8.660062,32.907238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.660062,32.907238,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,26.543278,-0.000000>,0.350000
<2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,27.467157,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,27.467157,-0.000000>,0.350000
<3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,28.391037,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,28.391037,-0.000000>,0.350000
<3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,29.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,29.314917,-0.000000>,0.350000
<4.151258,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,30.022022,-0.000000>,0.350000
<4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,30.729130,-0.000000>,0.350000
<5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,29.314917,-0.000000>,0.350000
<3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,30.314917,-0.000000>,0.350000
<3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.314917,-0.000000>,0.350000
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,32.238796,-0.000000>,0.350000
<2.678784,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,33.162674,-0.000000>,0.350000
<2.296101,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.314917,-0.000000>,0.350000
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,32.314915,-0.000000>,0.350000
<3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,33.314915,-0.000000>,0.350000
<3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,34.238796,-0.000000>,0.350000
<4.209518,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,35.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,35.162674,-0.000000>,0.350000
<4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,36.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,36.086555,-0.000000>,0.350000
<4.974885,37.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,37.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,33.314915,-0.000000>,0.350000
<3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,34.314915,-0.000000>,0.350000
<3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,35.314915,-0.000000>,0.350000
<3.061467,36.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,36.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,36.238796,-0.000000>,0.350000
<3.061467,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,37.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,37.238796,-0.000000>,0.350000
<3.061467,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,36.238796,-0.000000>,0.350000
<2.678784,37.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,37.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,37.162674,-0.000000>,0.350000
<2.296101,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,38.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,38.086555,-0.000000>,0.350000
<1.913417,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,39.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,35.314915,-0.000000>,0.350000
<3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,29.314917,-0.000000>,0.350000
<3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,30.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,30.314917,-0.000000>,0.350000
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,31.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,31.238796,-0.000000>,0.350000
<4.209518,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,32.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,30.314917,-0.000000>,0.350000
<3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,31.314917,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.314917,-0.000000>,0.350000
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,32.238796,-0.000000>,0.350000
<2.678784,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.314917,-0.000000>,0.350000
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,32.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,32.238796,-0.000000>,0.350000
<3.061467,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,33.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,33.238796,-0.000000>,0.350000
<3.061467,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,34.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,34.238796,-0.000000>,0.350000
<3.061467,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,32.238796,-0.000000>,0.350000
<2.678784,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,33.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,33.162674,-0.000000>,0.350000
<2.296101,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,34.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,34.086555,-0.000000>,0.350000
<1.913417,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,35.010433,-0.000000>,0.350000
<1.530734,35.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,35.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.934315,-0.000000>,0.350000
<1.148050,36.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,36.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,31.314917,-0.000000>,0.350000
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,32.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,32.314915,-0.000000>,0.350000
<3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,33.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,33.314915,-0.000000>,0.350000
<3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,34.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,34.314915,-0.000000>,0.350000
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,35.238796,-0.000000>,0.350000
<4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,36.162674,-0.000000>,0.350000
<4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,34.314915,-0.000000>,0.350000
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,35.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,35.238796,-0.000000>,0.350000
<4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,36.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,36.162674,-0.000000>,0.350000
<4.209518,37.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,37.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,37.162674,-0.000000>,0.350000
<4.209518,38.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,38.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,38.162674,-0.000000>,0.350000
<4.209518,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,36.162674,-0.000000>,0.350000
<4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,37.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,37.086555,-0.000000>,0.350000
<4.974885,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,38.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,38.010433,-0.000000>,0.350000
<5.357568,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,38.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,38.934315,-0.000000>,0.350000
<5.740252,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,39.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,39.858192,-0.000000>,0.350000
<6.122935,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,40.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,40.782074,-0.000000>,0.350000
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,34.314915,-0.000000>,0.350000
<3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,35.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,35.314915,-0.000000>,0.350000
<3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,36.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,36.314915,-0.000000>,0.350000
<3.444151,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,37.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,37.314915,-0.000000>,0.350000
<3.826834,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,38.238796,-0.000000>,0.350000
<4.209518,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,37.314915,-0.000000>,0.350000
<3.061467,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,38.238796,-0.000000>,0.350000
<2.678784,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,39.162674,-0.000000>,0.350000
<2.296101,40.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,40.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,37.314915,-0.000000>,0.350000
<3.061467,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,38.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,38.238796,-0.000000>,0.350000
<2.678784,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,39.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,39.162674,-0.000000>,0.350000
<2.678784,40.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,40.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,40.162674,-0.000000>,0.350000
<2.678784,41.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,41.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,41.162674,-0.000000>,0.350000
<2.678784,42.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,42.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,42.162674,-0.000000>,0.350000
<2.678784,43.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,43.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,39.162674,-0.000000>,0.350000
<2.296101,40.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,40.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,40.086555,-0.000000>,0.350000
<1.913417,41.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,41.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,41.010433,-0.000000>,0.350000
<1.530734,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,41.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,41.934315,-0.000000>,0.350000
<1.530734,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,42.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,42.934315,-0.000000>,0.350000
<1.530734,43.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,43.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,41.934315,-0.000000>,0.350000
<1.148050,42.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,42.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,42.858192,-0.000000>,0.350000
<0.765367,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,43.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,43.782074,-0.000000>,0.350000
<0.382683,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,37.314915,-0.000000>,0.350000
<3.444151,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,38.314915,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,29.314917,-0.000000>,0.350000
<4.151258,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.151258,30.022022,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,30.022022,-0.000000>,0.350000
<4.533941,30.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.533941,30.945902,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.533941,30.945902,-0.000000>,0.350000
<4.916625,31.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.916625,31.869781,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,30.022022,-0.000000>,0.350000
<5.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.075137,30.404707,-0.000000>,0.350000
<6.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.075137,30.404707,-0.000000>,0.350000
<7.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.075137,30.404707,-0.000000>,0.350000
<8.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.075137,30.404707,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.075137,30.404707,-0.000000>,0.350000
<5.999017,30.787390,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.999017,30.787390,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.151258,30.022022,-0.000000>,0.350000
<4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.858365,30.729130,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.858365,30.729130,-0.000000>,0.350000
<5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.565471,31.436235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,31.436235,-0.000000>,0.350000
<5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.948154,32.360115,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.948154,32.360115,-0.000000>,0.350000
<6.330838,33.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.330838,33.283997,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.330838,33.283997,-0.000000>,0.350000
<6.713521,34.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.713521,34.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.713521,34.207874,-0.000000>,0.350000
<7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.565471,31.436235,-0.000000>,0.350000
<6.272578,32.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.272578,32.143341,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,32.143341,-0.000000>,0.350000
<7.196457,32.526028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.196457,32.526028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.196457,32.526028,-0.000000>,0.350000
<8.120337,32.908710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.120337,32.908710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.120337,32.908710,-0.000000>,0.350000
<9.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,32.143341,-0.000000>,0.350000
<7.196457,32.526028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.196457,32.526028,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.196457,32.526028,-0.000000>,0.350000
<8.120337,32.908710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.120337,32.908710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.120337,32.908710,-0.000000>,0.350000
<9.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.044216,33.291393,-0.000000>,0.350000
<10.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.044216,33.291393,-0.000000>,0.350000
<11.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.044216,33.291393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.044216,33.291393,-0.000000>,0.350000
<9.968096,33.674076,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.968096,33.674076,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.272578,32.143341,-0.000000>,0.350000
<6.979685,32.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.979685,32.850449,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.979685,32.850449,-0.000000>,0.350000
<7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,33.774330,-0.000000>,0.350000
<7.745052,34.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,34.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,34.698208,-0.000000>,0.350000
<8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.979685,32.850449,-0.000000>,0.350000
<7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.362368,33.774330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.362368,33.774330,-0.000000>,0.350000
<7.745052,34.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.745052,34.698208,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,34.698208,-0.000000>,0.350000
<8.452158,35.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.452158,35.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.452158,35.405315,-0.000000>,0.350000
<9.159266,36.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.159266,36.112423,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.745052,34.698208,-0.000000>,0.350000
<8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,35.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.127735,35.622089,-0.000000>,0.350000
<8.127735,36.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,36.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.127735,36.622089,-0.000000>,0.350000
<8.127735,37.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.127735,37.622089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.127735,35.622089,-0.000000>,0.350000
<8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.979685,32.850449,-0.000000>,0.350000
<7.686791,33.557556,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.686791,33.557556,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.686791,33.557556,-0.000000>,0.350000
<8.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.610671,33.940239,-0.000000>,0.350000
<9.534551,34.322922,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,34.322922,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,34.322922,-0.000000>,0.350000
<10.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.458430,34.705608,-0.000000>,0.350000
<11.382310,35.088291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.382310,35.088291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.686791,33.557556,-0.000000>,0.350000
<8.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.610671,33.940239,-0.000000>,0.350000
<9.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.610671,33.940239,-0.000000>,0.350000
<10.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.610671,33.940239,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.610671,33.940239,-0.000000>,0.350000
<9.534551,34.322922,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.534551,34.322922,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,34.322922,-0.000000>,0.350000
<10.241657,35.030029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.241657,35.030029,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.241657,35.030029,-0.000000>,0.350000
<10.948764,35.737137,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.948764,35.737137,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.534551,34.322922,-0.000000>,0.350000
<10.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.458430,34.705608,-0.000000>,0.350000
<11.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.458430,34.705608,-0.000000>,0.350000
<12.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.458430,34.705608,-0.000000>,0.350000
<13.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.458430,34.705608,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.458430,34.705608,-0.000000>,0.350000
<11.382310,35.088291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.382310,35.088291,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.686791,33.557556,-0.000000>,0.350000
<8.069475,34.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.069475,34.481438,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.069475,34.481438,-0.000000>,0.350000
<8.452158,35.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.452158,35.405315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.452158,35.405315,-0.000000>,0.350000
<8.834842,36.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.834842,36.329197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.834842,36.329197,-0.000000>,0.350000
<9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,37.253075,-0.000000>,0.350000
<9.924632,37.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.924632,37.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.924632,37.960182,-0.000000>,0.350000
<10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,37.253075,-0.000000>,0.350000
<9.600208,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,38.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,38.176952,-0.000000>,0.350000
<9.600208,39.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,39.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,39.176952,-0.000000>,0.350000
<9.600208,40.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.600208,40.176952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,38.176952,-0.000000>,0.350000
<10.307316,38.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.307316,38.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.307316,38.884060,-0.000000>,0.350000
<11.014422,39.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.014422,39.591167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.014422,39.591167,-0.000000>,0.350000
<11.721529,40.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.721529,40.298275,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.721529,40.298275,-0.000000>,0.350000
<12.428636,41.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.428636,41.005383,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.600208,38.176952,-0.000000>,0.350000
<9.982892,39.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.982892,39.100834,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.982892,39.100834,-0.000000>,0.350000
<10.365576,40.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.365576,40.024712,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.365576,40.024712,-0.000000>,0.350000
<10.748259,40.948593,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.748259,40.948593,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.748259,40.948593,-0.000000>,0.350000
<11.455366,41.655701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.455366,41.655701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.455366,41.655701,-0.000000>,0.350000
<12.162473,42.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.162473,42.362804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.748259,40.948593,-0.000000>,0.350000
<11.130942,41.872471,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.130942,41.872471,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.130942,41.872471,-0.000000>,0.350000
<11.513626,42.796352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.513626,42.796352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.513626,42.796352,-0.000000>,0.350000
<11.896309,43.720230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.896309,43.720230,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.686791,33.557556,-0.000000>,0.350000
<8.393898,34.264664,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.393898,34.264664,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.393898,34.264664,-0.000000>,0.350000
<9.101006,34.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.101006,34.971771,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.101006,34.971771,-0.000000>,0.350000
<9.483688,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.483688,35.895649,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.483688,35.895649,-0.000000>,0.350000
<10.190795,36.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.190795,36.602757,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.190795,36.602757,-0.000000>,0.350000
<10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.897902,37.309864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.483688,35.895649,-0.000000>,0.350000
<9.866372,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.866372,36.819530,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.866372,36.819530,-0.000000>,0.350000
<10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.249056,37.743408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.249056,37.743408,-0.000000>,0.350000
<10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.101006,34.971771,-0.000000>,0.350000
<9.808112,35.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.808112,35.678875,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.808112,35.678875,-0.000000>,0.350000
<10.515219,36.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.515219,36.385983,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.515219,36.385983,-0.000000>,0.350000
<11.439098,36.768665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.439098,36.768665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.439098,36.768665,-0.000000>,0.350000
<12.362978,37.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.362978,37.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.515219,36.385983,-0.000000>,0.350000
<11.439098,36.768665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.439098,36.768665,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.439098,36.768665,-0.000000>,0.350000
<12.146205,37.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.146205,37.475773,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.146205,37.475773,-0.000000>,0.350000
<12.853312,38.182880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.853312,38.182880,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.439098,36.768665,-0.000000>,0.350000
<12.362978,37.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.362978,37.151352,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.362978,37.151352,-0.000000>,0.350000
<13.286858,37.534035,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.286858,37.534035,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.286858,37.534035,-0.000000>,0.350000
<14.210737,37.916718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.210737,37.916718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.210737,37.916718,-0.000000>,0.350000
<15.134616,38.299400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.134616,38.299400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.515219,36.385983,-0.000000>,0.350000
<11.222325,37.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.222325,37.093090,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.222325,37.093090,-0.000000>,0.350000
<11.929432,37.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.929432,37.800198,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.929432,37.800198,-0.000000>,0.350000
<12.636539,38.507305,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.636539,38.507305,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.636539,38.507305,-0.000000>,0.350000
<13.019222,39.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.019222,39.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.019222,39.431183,-0.000000>,0.350000
<13.401906,40.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.401906,40.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.636539,38.507305,-0.000000>,0.350000
<13.019222,39.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.019222,39.431183,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.019222,39.431183,-0.000000>,0.350000
<13.726329,40.138290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.726329,40.138290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.726329,40.138290,-0.000000>,0.350000
<14.433436,40.845398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.433436,40.845398,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.433436,40.845398,-0.000000>,0.350000
<15.140543,41.552505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.140543,41.552505,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.019222,39.431183,-0.000000>,0.350000
<13.401906,40.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.401906,40.355064,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.401906,40.355064,-0.000000>,0.350000
<13.784590,41.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.784590,41.278942,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.784590,41.278942,-0.000000>,0.350000
<14.167273,42.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.167273,42.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.167273,42.202824,-0.000000>,0.350000
<14.549956,43.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.549956,43.126701,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.549956,43.126701,-0.000000>,0.350000
<14.932640,44.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.932640,44.050583,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.636539,38.507305,-0.000000>,0.350000
<13.343646,39.214409,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.343646,39.214409,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.343646,39.214409,-0.000000>,0.350000
<14.050753,39.921516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.050753,39.921516,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.050753,39.921516,-0.000000>,0.350000
<14.757859,40.628624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.757859,40.628624,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.757859,40.628624,-0.000000>,0.350000
<15.681739,41.011307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.681739,41.011307,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.681739,41.011307,-0.000000>,0.350000
<16.605618,41.393990,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.605618,41.393990,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.605618,41.393990,-0.000000>,0.350000
<17.529497,41.776676,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.529497,41.776676,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.757859,40.628624,-0.000000>,0.350000
<15.464966,41.335732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.464966,41.335732,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.464966,41.335732,-0.000000>,0.350000
<16.172073,42.042839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.172073,42.042839,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.172073,42.042839,-0.000000>,0.350000
<16.554756,42.966717,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.554756,42.966717,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.554756,42.966717,-0.000000>,0.350000
<16.937439,43.890598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.937439,43.890598,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.937439,43.890598,-0.000000>,0.350000
<17.320124,44.814476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.320124,44.814476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.172073,42.042839,-0.000000>,0.350000
<16.879179,42.749943,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.879179,42.749943,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.879179,42.749943,-0.000000>,0.350000
<17.586287,43.457050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.586287,43.457050,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.586287,43.457050,-0.000000>,0.350000
<18.293394,44.164158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.293394,44.164158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.293394,44.164158,-0.000000>,0.350000
<19.000500,44.871265,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000500,44.871265,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000500,44.871265,-0.000000>,0.350000
<19.707607,45.578373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.707607,45.578373,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.707607,45.578373,-0.000000>,0.350000
<20.414713,46.285477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.414713,46.285477,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,29.314917,-0.000000>,0.350000
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,30.238796,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,30.238796,-0.000000>,0.350000
<4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,31.162674,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,31.162674,-0.000000>,0.350000
<4.592201,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,32.086555,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,32.086555,-0.000000>,0.350000
<5.299308,32.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.299308,32.793663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.299308,32.793663,-0.000000>,0.350000
<6.006415,33.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.006415,33.500767,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.006415,33.500767,-0.000000>,0.350000
<6.713521,34.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.713521,34.207874,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,32.086555,-0.000000>,0.350000
<4.974885,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,33.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,33.010433,-0.000000>,0.350000
<4.974885,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,34.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,34.010433,-0.000000>,0.350000
<4.974885,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,35.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,35.010433,-0.000000>,0.350000
<4.974885,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,36.010433,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,33.010433,-0.000000>,0.350000
<5.681992,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,33.717541,-0.000000>,0.350000
<6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,34.424648,-0.000000>,0.350000
<7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.096205,35.131756,-0.000000>,0.350000
<7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,35.838860,-0.000000>,0.350000
<8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.510419,36.545967,-0.000000>,0.350000
<9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,33.010433,-0.000000>,0.350000
<5.681992,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.681992,33.717541,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,33.717541,-0.000000>,0.350000
<6.605871,34.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.605871,34.100224,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.605871,34.100224,-0.000000>,0.350000
<7.529750,34.482906,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.529750,34.482906,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.681992,33.717541,-0.000000>,0.350000
<6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.389098,34.424648,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,34.424648,-0.000000>,0.350000
<6.771781,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,35.348526,-0.000000>,0.350000
<7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,34.424648,-0.000000>,0.350000
<6.771781,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.771781,35.348526,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,35.348526,-0.000000>,0.350000
<7.478889,36.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.478889,36.055634,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.478889,36.055634,-0.000000>,0.350000
<8.185995,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.185995,36.762741,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.185995,36.762741,-0.000000>,0.350000
<8.893102,37.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.893102,37.469849,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.771781,35.348526,-0.000000>,0.350000
<7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.154465,36.272408,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.154465,36.272408,-0.000000>,0.350000
<7.537148,37.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,37.196285,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,37.196285,-0.000000>,0.350000
<7.919832,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.919832,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.919832,38.120167,-0.000000>,0.350000
<8.302515,39.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.302515,39.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.302515,39.044044,-0.000000>,0.350000
<8.685199,39.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.685199,39.967926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.389098,34.424648,-0.000000>,0.350000
<7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.096205,35.131756,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.096205,35.131756,-0.000000>,0.350000
<7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.803312,35.838860,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.803312,35.838860,-0.000000>,0.350000
<8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.510419,36.545967,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.510419,36.545967,-0.000000>,0.350000
<9.434299,36.928650,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.434299,36.928650,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.434299,36.928650,-0.000000>,0.350000
<10.358177,37.311337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.358177,37.311337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.358177,37.311337,-0.000000>,0.350000
<11.282057,37.694019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.282057,37.694019,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.510419,36.545967,-0.000000>,0.350000
<9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.217525,37.253075,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.217525,37.253075,-0.000000>,0.350000
<9.924632,37.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.924632,37.960182,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.924632,37.960182,-0.000000>,0.350000
<10.307316,38.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.307316,38.884060,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.307316,38.884060,-0.000000>,0.350000
<10.689999,39.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.689999,39.807941,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.689999,39.807941,-0.000000>,0.350000
<11.072682,40.731819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.072682,40.731819,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.924632,37.960182,-0.000000>,0.350000
<10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.631739,38.667290,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.631739,38.667290,-0.000000>,0.350000
<11.338845,39.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.338845,39.374393,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.338845,39.374393,-0.000000>,0.350000
<12.045953,40.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.045953,40.081501,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.045953,40.081501,-0.000000>,0.350000
<12.753059,40.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.753059,40.788609,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.753059,40.788609,-0.000000>,0.350000
<13.460166,41.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.460166,41.495716,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.460166,41.495716,-0.000000>,0.350000
<14.167273,42.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.167273,42.202824,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,33.010433,-0.000000>,0.350000
<5.357568,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,33.934315,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,33.934315,-0.000000>,0.350000
<5.740252,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,34.858192,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,34.858192,-0.000000>,0.350000
<6.122935,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,35.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,35.782074,-0.000000>,0.350000
<6.122935,36.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,36.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,36.782074,-0.000000>,0.350000
<6.122935,37.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,37.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,37.782074,-0.000000>,0.350000
<6.122935,38.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,38.782074,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,35.782074,-0.000000>,0.350000
<6.505619,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,36.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,36.705952,-0.000000>,0.350000
<7.212725,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.212725,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.212725,37.413059,-0.000000>,0.350000
<7.919832,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.919832,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,36.705952,-0.000000>,0.350000
<7.212725,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.212725,37.413059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.212725,37.413059,-0.000000>,0.350000
<7.919832,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.919832,38.120167,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.919832,38.120167,-0.000000>,0.350000
<8.626939,38.827271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.626939,38.827271,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.626939,38.827271,-0.000000>,0.350000
<9.334045,39.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.334045,39.534378,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,36.705952,-0.000000>,0.350000
<6.505619,37.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,37.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,37.705952,-0.000000>,0.350000
<6.505619,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,38.705952,-0.000000>,0.350000
<6.505619,39.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,39.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,39.705952,-0.000000>,0.350000
<6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,40.629833,-0.000000>,0.350000
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,39.705952,-0.000000>,0.350000
<6.505619,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,41.705952,-0.000000>,0.350000
<6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,36.705952,-0.000000>,0.350000
<6.505619,37.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,37.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,37.705952,-0.000000>,0.350000
<6.122935,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,38.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,38.629833,-0.000000>,0.350000
<5.740252,39.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,39.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,37.705952,-0.000000>,0.350000
<6.505619,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,38.705952,-0.000000>,0.350000
<6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,39.629833,-0.000000>,0.350000
<7.270985,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,40.553711,-0.000000>,0.350000
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,38.705952,-0.000000>,0.350000
<6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,39.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,39.629833,-0.000000>,0.350000
<7.270985,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,40.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,40.553711,-0.000000>,0.350000
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,41.553711,-0.000000>,0.350000
<7.270985,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,42.553711,-0.000000>,0.350000
<7.270985,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,40.553711,-0.000000>,0.350000
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,41.477592,-0.000000>,0.350000
<8.036352,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,42.401470,-0.000000>,0.350000
<8.419036,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,43.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,43.325348,-0.000000>,0.350000
<8.801719,44.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,44.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,44.249229,-0.000000>,0.350000
<9.184402,45.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,45.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,45.173107,-0.000000>,0.350000
<9.567086,46.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,46.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,38.705952,-0.000000>,0.350000
<6.505619,39.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,39.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,39.705952,-0.000000>,0.350000
<6.505619,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,41.705952,-0.000000>,0.350000
<6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,42.629833,-0.000000>,0.350000
<7.270985,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,41.705952,-0.000000>,0.350000
<6.122935,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,42.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,42.629833,-0.000000>,0.350000
<5.740252,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,43.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,43.553711,-0.000000>,0.350000
<5.357568,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,41.705952,-0.000000>,0.350000
<6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,42.705952,-0.000000>,0.350000
<6.505619,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,43.705952,-0.000000>,0.350000
<6.888302,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,44.629833,-0.000000>,0.350000
<7.270985,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,45.553711,-0.000000>,0.350000
<7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,46.477592,-0.000000>,0.350000
<8.036352,47.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,47.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,43.705952,-0.000000>,0.350000
<6.505619,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,44.705952,-0.000000>,0.350000
<6.505619,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,45.705952,-0.000000>,0.350000
<6.505619,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,46.705952,-0.000000>,0.350000
<6.888302,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,47.629833,-0.000000>,0.350000
<7.270985,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,46.705952,-0.000000>,0.350000
<6.505619,47.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,47.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,47.705952,-0.000000>,0.350000
<6.505619,48.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,48.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,48.705952,-0.000000>,0.350000
<6.505619,49.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,49.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,36.705952,-0.000000>,0.350000
<6.505619,37.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,37.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,37.705952,-0.000000>,0.350000
<6.505619,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,38.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,38.705952,-0.000000>,0.350000
<6.505619,39.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,39.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,39.705952,-0.000000>,0.350000
<6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,40.629833,-0.000000>,0.350000
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,39.705952,-0.000000>,0.350000
<6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,40.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,40.629833,-0.000000>,0.350000
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,41.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,41.553711,-0.000000>,0.350000
<7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,42.477592,-0.000000>,0.350000
<8.036352,43.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,43.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,39.705952,-0.000000>,0.350000
<6.505619,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,40.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.122935,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,41.629833,-0.000000>,0.350000
<5.740252,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.122935,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,41.629833,-0.000000>,0.350000
<5.740252,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,42.553711,-0.000000>,0.350000
<5.357568,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,43.477592,-0.000000>,0.350000
<4.974885,44.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,44.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,41.629833,-0.000000>,0.350000
<7.270985,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,42.553711,-0.000000>,0.350000
<7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,43.477592,-0.000000>,0.350000
<8.036352,44.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,44.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,44.401470,-0.000000>,0.350000
<8.036352,45.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,45.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,45.401470,-0.000000>,0.350000
<8.036352,46.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,46.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,44.401470,-0.000000>,0.350000
<8.419036,45.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,45.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,45.325348,-0.000000>,0.350000
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,46.249229,-0.000000>,0.350000
<9.184402,47.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,47.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,47.173107,-0.000000>,0.350000
<9.567086,48.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,48.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,41.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,41.629833,-0.000000>,0.350000
<7.595408,42.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.595408,42.336937,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.595408,42.336937,-0.000000>,0.350000
<8.302515,43.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.302515,43.044044,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.302515,43.044044,-0.000000>,0.350000
<9.009623,43.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.009623,43.751152,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,41.629833,-0.000000>,0.350000
<7.270985,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,42.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,42.553711,-0.000000>,0.350000
<7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,43.477592,-0.000000>,0.350000
<7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,44.477592,-0.000000>,0.350000
<7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,45.477592,-0.000000>,0.350000
<7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,43.477592,-0.000000>,0.350000
<7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,44.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,44.477592,-0.000000>,0.350000
<7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,45.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,45.477592,-0.000000>,0.350000
<8.036352,46.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,46.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,46.401470,-0.000000>,0.350000
<8.419036,47.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,47.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,47.325348,-0.000000>,0.350000
<8.801719,48.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,48.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,48.249229,-0.000000>,0.350000
<9.184402,49.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,49.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,45.477592,-0.000000>,0.350000
<7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,46.477592,-0.000000>,0.350000
<7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,47.477592,-0.000000>,0.350000
<7.653669,48.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,48.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,48.477592,-0.000000>,0.350000
<8.036352,49.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,49.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,49.401470,-0.000000>,0.350000
<8.419036,50.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,50.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,48.477592,-0.000000>,0.350000
<7.653669,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,49.477592,-0.000000>,0.350000
<7.653669,50.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,50.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,50.477592,-0.000000>,0.350000
<7.653669,51.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,51.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,43.477592,-0.000000>,0.350000
<8.036352,44.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,44.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,44.401470,-0.000000>,0.350000
<8.419036,45.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,45.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,45.325348,-0.000000>,0.350000
<9.126143,46.032455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.126143,46.032455,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.126143,46.032455,-0.000000>,0.350000
<9.833249,46.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.833249,46.739563,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,45.325348,-0.000000>,0.350000
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,46.249229,-0.000000>,0.350000
<8.801719,47.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,47.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,47.249229,-0.000000>,0.350000
<8.801719,48.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,48.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,46.249229,-0.000000>,0.350000
<9.508825,46.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.508825,46.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.508825,46.956337,-0.000000>,0.350000
<10.215933,47.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.215933,47.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.215933,47.663445,-0.000000>,0.350000
<10.923039,48.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.923039,48.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.923039,48.370548,-0.000000>,0.350000
<11.630146,49.077656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.630146,49.077656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,46.249229,-0.000000>,0.350000
<9.184402,47.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,47.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,47.173107,-0.000000>,0.350000
<9.567086,48.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,48.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,48.096989,-0.000000>,0.350000
<9.567086,49.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,49.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,49.096989,-0.000000>,0.350000
<9.949769,50.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,50.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,50.020866,-0.000000>,0.350000
<10.332453,50.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,50.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,49.096989,-0.000000>,0.350000
<9.567086,50.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,50.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,50.096989,-0.000000>,0.350000
<9.567086,51.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,51.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,51.096989,-0.000000>,0.350000
<9.567086,52.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,52.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,48.096989,-0.000000>,0.350000
<9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,49.020866,-0.000000>,0.350000
<10.332453,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,49.944748,-0.000000>,0.350000
<11.039559,50.651855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.039559,50.651855,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.039559,50.651855,-0.000000>,0.350000
<11.746666,51.358959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.746666,51.358959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,49.944748,-0.000000>,0.350000
<10.715137,50.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,50.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,50.868626,-0.000000>,0.350000
<10.715137,51.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,51.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,51.868626,-0.000000>,0.350000
<10.715137,52.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,52.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,50.868626,-0.000000>,0.350000
<11.097819,51.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,51.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,51.792507,-0.000000>,0.350000
<11.480503,52.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,52.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,52.716385,-0.000000>,0.350000
<11.863187,53.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,53.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,53.640266,-0.000000>,0.350000
<12.245870,54.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,54.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,40.705952,-0.000000>,0.350000
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,41.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,41.705952,-0.000000>,0.350000
<6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,42.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,42.705952,-0.000000>,0.350000
<6.888302,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,43.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,43.629833,-0.000000>,0.350000
<7.270985,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,44.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,42.705952,-0.000000>,0.350000
<6.505619,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,43.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,43.705952,-0.000000>,0.350000
<6.122935,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,44.629833,-0.000000>,0.350000
<5.740252,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,43.705952,-0.000000>,0.350000
<6.122935,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,44.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,44.629833,-0.000000>,0.350000
<5.740252,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,45.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,45.553711,-0.000000>,0.350000
<5.357568,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,46.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,46.477592,-0.000000>,0.350000
<4.974885,47.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,47.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,43.705952,-0.000000>,0.350000
<6.505619,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,44.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,44.705952,-0.000000>,0.350000
<6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,45.629833,-0.000000>,0.350000
<7.270985,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,46.553711,-0.000000>,0.350000
<7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,44.705952,-0.000000>,0.350000
<6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,45.629833,-0.000000>,0.350000
<7.270985,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,46.553711,-0.000000>,0.350000
<7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,47.477592,-0.000000>,0.350000
<8.360775,48.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.360775,48.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.360775,48.184696,-0.000000>,0.350000
<9.067883,48.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,48.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,47.477592,-0.000000>,0.350000
<8.036352,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,44.705952,-0.000000>,0.350000
<6.122935,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,45.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,45.629833,-0.000000>,0.350000
<5.740252,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,46.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,46.553711,-0.000000>,0.350000
<5.357568,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,47.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,47.477592,-0.000000>,0.350000
<4.974885,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,48.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.401470,-0.000000>,0.350000
<4.592201,49.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,49.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,49.325348,-0.000000>,0.350000
<4.592201,50.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,50.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,50.325348,-0.000000>,0.350000
<4.592201,51.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,51.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,51.325348,-0.000000>,0.350000
<4.592201,52.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,52.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,49.325348,-0.000000>,0.350000
<4.209518,50.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,50.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,50.249229,-0.000000>,0.350000
<3.826834,51.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,51.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,51.173107,-0.000000>,0.350000
<3.444151,52.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,52.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,52.096989,-0.000000>,0.350000
<3.061467,53.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,53.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,53.020866,-0.000000>,0.350000
<2.678784,53.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,53.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,44.705952,-0.000000>,0.350000
<6.505619,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,45.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,45.705952,-0.000000>,0.350000
<6.505619,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,46.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,46.705952,-0.000000>,0.350000
<6.122935,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,47.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,47.629833,-0.000000>,0.350000
<5.740252,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,48.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,48.553711,-0.000000>,0.350000
<5.357568,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,49.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,46.705952,-0.000000>,0.350000
<6.505619,47.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,47.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,47.705952,-0.000000>,0.350000
<6.505619,48.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,48.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,48.705952,-0.000000>,0.350000
<6.888302,49.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,49.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,49.629833,-0.000000>,0.350000
<7.270985,50.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,50.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,50.553711,-0.000000>,0.350000
<7.653669,51.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,51.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,51.477592,-0.000000>,0.350000
<8.036352,52.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,52.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,48.705952,-0.000000>,0.350000
<6.888302,49.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,49.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,49.629833,-0.000000>,0.350000
<7.270985,50.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,50.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,50.553711,-0.000000>,0.350000
<7.270985,51.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,51.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,51.553711,-0.000000>,0.350000
<7.653669,52.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,52.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,52.477592,-0.000000>,0.350000
<8.036352,53.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,53.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,51.553711,-0.000000>,0.350000
<7.270985,52.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,52.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,52.553711,-0.000000>,0.350000
<7.270985,53.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,53.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,53.553711,-0.000000>,0.350000
<7.270985,54.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,54.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,50.553711,-0.000000>,0.350000
<7.653669,51.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,51.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,51.477592,-0.000000>,0.350000
<8.036352,52.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,52.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,52.401470,-0.000000>,0.350000
<8.743459,53.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.743459,53.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.743459,53.108578,-0.000000>,0.350000
<9.450565,53.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.450565,53.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,52.401470,-0.000000>,0.350000
<8.419036,53.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,53.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,53.325348,-0.000000>,0.350000
<8.419036,54.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,54.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,54.325348,-0.000000>,0.350000
<8.419036,55.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,55.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,53.325348,-0.000000>,0.350000
<8.801719,54.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,54.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,54.249229,-0.000000>,0.350000
<9.184402,55.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,55.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,55.173107,-0.000000>,0.350000
<9.567086,56.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,56.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,56.096989,-0.000000>,0.350000
<9.949769,57.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,57.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,48.705952,-0.000000>,0.350000
<6.505619,49.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,49.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,49.705952,-0.000000>,0.350000
<6.505619,50.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,50.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,50.705952,-0.000000>,0.350000
<6.505619,51.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,51.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,51.705952,-0.000000>,0.350000
<6.122935,52.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,52.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,52.629833,-0.000000>,0.350000
<5.740252,53.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,53.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,51.705952,-0.000000>,0.350000
<6.505619,52.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,52.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,52.705952,-0.000000>,0.350000
<6.888302,53.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,53.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,53.629833,-0.000000>,0.350000
<7.270985,54.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,54.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,54.553711,-0.000000>,0.350000
<7.653669,55.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,55.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,52.705952,-0.000000>,0.350000
<6.122935,53.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,53.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,53.629833,-0.000000>,0.350000
<5.740252,54.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,54.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,54.553711,-0.000000>,0.350000
<5.357568,55.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,55.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,55.477592,-0.000000>,0.350000
<4.974885,56.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,56.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,56.401470,-0.000000>,0.350000
<4.592201,57.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,57.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,52.705952,-0.000000>,0.350000
<6.505619,53.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,53.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,53.705952,-0.000000>,0.350000
<6.505619,54.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,54.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,54.705952,-0.000000>,0.350000
<6.888302,55.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,55.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,55.629833,-0.000000>,0.350000
<7.270985,56.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,56.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,54.705952,-0.000000>,0.350000
<6.888302,55.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,55.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,55.629833,-0.000000>,0.350000
<6.888302,56.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,56.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,56.629833,-0.000000>,0.350000
<6.888302,57.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,57.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,55.629833,-0.000000>,0.350000
<7.270985,56.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,56.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,56.553711,-0.000000>,0.350000
<7.653669,57.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,57.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,57.477592,-0.000000>,0.350000
<8.036352,58.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,58.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,58.401470,-0.000000>,0.350000
<8.419036,59.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,59.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,54.705952,-0.000000>,0.350000
<6.505619,55.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,55.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,55.705952,-0.000000>,0.350000
<6.505619,56.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,56.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,56.705952,-0.000000>,0.350000
<6.505619,57.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,57.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,57.705952,-0.000000>,0.350000
<6.122935,58.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,58.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,58.629833,-0.000000>,0.350000
<5.740252,59.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,59.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,57.705952,-0.000000>,0.350000
<6.505619,58.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,58.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,58.705952,-0.000000>,0.350000
<6.888302,59.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,59.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,59.629833,-0.000000>,0.350000
<7.270985,60.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,60.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,60.553711,-0.000000>,0.350000
<7.653669,61.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,61.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,58.705952,-0.000000>,0.350000
<6.505619,59.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,59.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,59.705952,-0.000000>,0.350000
<6.505619,60.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,60.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,60.705952,-0.000000>,0.350000
<6.505619,61.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,61.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,61.705952,-0.000000>,0.350000
<6.505619,62.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,62.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,62.705952,-0.000000>,0.350000
<6.505619,63.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,63.705952,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,36.705952,-0.000000>,0.350000
<6.888302,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,37.629833,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,37.629833,-0.000000>,0.350000
<7.270985,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,38.553711,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,38.553711,-0.000000>,0.350000
<7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,39.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,39.477592,-0.000000>,0.350000
<8.360775,40.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.360775,40.184696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.360775,40.184696,-0.000000>,0.350000
<9.067883,40.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.067883,40.891804,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,39.477592,-0.000000>,0.350000
<7.653669,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,40.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,40.477592,-0.000000>,0.350000
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,41.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,41.477592,-0.000000>,0.350000
<7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,42.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,42.477592,-0.000000>,0.350000
<7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,43.477592,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,39.477592,-0.000000>,0.350000
<8.036352,40.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,40.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,40.401470,-0.000000>,0.350000
<8.036352,41.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,41.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,41.401470,-0.000000>,0.350000
<8.036352,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,42.401470,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,40.401470,-0.000000>,0.350000
<8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.743459,41.108578,-0.000000>,0.350000
<9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.450565,41.815685,-0.000000>,0.350000
<10.157673,42.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.157673,42.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.157673,42.522789,-0.000000>,0.350000
<11.081552,42.905476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.081552,42.905476,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.081552,42.905476,-0.000000>,0.350000
<12.005431,43.288158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.005431,43.288158,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.157673,42.522789,-0.000000>,0.350000
<10.864779,43.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.864779,43.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,40.401470,-0.000000>,0.350000
<8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.743459,41.108578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.743459,41.108578,-0.000000>,0.350000
<9.667338,41.491261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.667338,41.491261,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.667338,41.491261,-0.000000>,0.350000
<10.591218,41.873943,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.591218,41.873943,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.591218,41.873943,-0.000000>,0.350000
<11.515098,42.256626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.515098,42.256626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.743459,41.108578,-0.000000>,0.350000
<9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.450565,41.815685,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.450565,41.815685,-0.000000>,0.350000
<10.157673,42.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.157673,42.522789,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.157673,42.522789,-0.000000>,0.350000
<10.540356,43.446671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.540356,43.446671,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.540356,43.446671,-0.000000>,0.350000
<10.923039,44.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.923039,44.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.923039,44.370548,-0.000000>,0.350000
<11.305723,45.294430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.305723,45.294430,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.157673,42.522789,-0.000000>,0.350000
<10.864779,43.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.864779,43.229897,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.864779,43.229897,-0.000000>,0.350000
<11.571886,43.937004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.571886,43.937004,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.571886,43.937004,-0.000000>,0.350000
<12.495766,44.319687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.495766,44.319687,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.495766,44.319687,-0.000000>,0.350000
<13.419645,44.702370,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.419645,44.702370,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.419645,44.702370,-0.000000>,0.350000
<14.343525,45.085052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.343525,45.085052,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.343525,45.085052,-0.000000>,0.350000
<15.267405,45.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.267405,45.467739,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.571886,43.937004,-0.000000>,0.350000
<12.278993,44.644112,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.278993,44.644112,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,40.401470,-0.000000>,0.350000
<8.419036,41.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,41.325348,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,41.325348,-0.000000>,0.350000
<8.801719,42.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,42.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,42.249229,-0.000000>,0.350000
<8.801719,43.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,43.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,43.249229,-0.000000>,0.350000
<8.801719,44.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,44.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,44.249229,-0.000000>,0.350000
<9.184402,45.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,45.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,45.173107,-0.000000>,0.350000
<9.567086,46.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,46.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,44.249229,-0.000000>,0.350000
<8.801719,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,45.249229,-0.000000>,0.350000
<8.419036,46.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,46.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,46.173107,-0.000000>,0.350000
<8.036352,47.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,47.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,45.249229,-0.000000>,0.350000
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,42.249229,-0.000000>,0.350000
<8.801719,43.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,43.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,43.249229,-0.000000>,0.350000
<8.801719,44.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,44.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,44.249229,-0.000000>,0.350000
<8.419036,45.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,45.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,45.173107,-0.000000>,0.350000
<8.036352,46.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,46.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,46.096989,-0.000000>,0.350000
<7.653669,47.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,47.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,44.249229,-0.000000>,0.350000
<8.801719,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,45.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,45.249229,-0.000000>,0.350000
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,46.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,46.249229,-0.000000>,0.350000
<9.184402,47.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,47.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,47.173107,-0.000000>,0.350000
<9.567086,48.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,48.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,48.096989,-0.000000>,0.350000
<9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,49.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,49.020866,-0.000000>,0.350000
<10.332453,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,49.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,46.249229,-0.000000>,0.350000
<8.801719,47.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,47.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,47.249229,-0.000000>,0.350000
<8.801719,48.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,48.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,48.249229,-0.000000>,0.350000
<8.419036,49.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,49.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,49.173107,-0.000000>,0.350000
<8.419036,50.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,50.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,50.173107,-0.000000>,0.350000
<8.419036,51.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,51.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,49.173107,-0.000000>,0.350000
<8.036352,50.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,50.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,50.096989,-0.000000>,0.350000
<7.653669,51.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,51.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,51.020866,-0.000000>,0.350000
<7.270985,51.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,51.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,48.249229,-0.000000>,0.350000
<8.801719,49.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,49.249229,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,42.249229,-0.000000>,0.350000
<9.508825,42.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.508825,42.956337,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.508825,42.956337,-0.000000>,0.350000
<10.432705,43.339020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.432705,43.339020,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.432705,43.339020,-0.000000>,0.350000
<11.356585,43.721703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.356585,43.721703,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.508825,42.956337,-0.000000>,0.350000
<10.215933,43.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.215933,43.663445,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.215933,43.663445,-0.000000>,0.350000
<10.598616,44.587322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.598616,44.587322,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.598616,44.587322,-0.000000>,0.350000
<10.981299,45.511204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.981299,45.511204,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.215933,43.663445,-0.000000>,0.350000
<10.923039,44.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.923039,44.370548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.923039,44.370548,-0.000000>,0.350000
<11.846919,44.753235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.846919,44.753235,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.846919,44.753235,-0.000000>,0.350000
<12.770799,45.135918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.770799,45.135918,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.770799,45.135918,-0.000000>,0.350000
<13.694678,45.518600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.694678,45.518600,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.923039,44.370548,-0.000000>,0.350000
<11.630146,45.077656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.630146,45.077656,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.630146,45.077656,-0.000000>,0.350000
<12.012830,46.001537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.012830,46.001537,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.012830,46.001537,-0.000000>,0.350000
<12.395513,46.925415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.395513,46.925415,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.395513,46.925415,-0.000000>,0.350000
<12.778196,47.849297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.778196,47.849297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.630146,45.077656,-0.000000>,0.350000
<12.337253,45.784763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.337253,45.784763,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.337253,45.784763,-0.000000>,0.350000
<13.261132,46.167446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.261132,46.167446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.261132,46.167446,-0.000000>,0.350000
<14.185012,46.550129,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.185012,46.550129,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.337253,45.784763,-0.000000>,0.350000
<13.261132,46.167446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.261132,46.167446,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.261132,46.167446,-0.000000>,0.350000
<14.185012,46.550129,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.185012,46.550129,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.185012,46.550129,-0.000000>,0.350000
<15.108891,46.932812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.108891,46.932812,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.108891,46.932812,-0.000000>,0.350000
<16.032770,47.315498,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.032770,47.315498,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.337253,45.784763,-0.000000>,0.350000
<12.719936,46.708641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.719936,46.708641,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.719936,46.708641,-0.000000>,0.350000
<13.102620,47.632523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.102620,47.632523,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.102620,47.632523,-0.000000>,0.350000
<13.485303,48.556400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.485303,48.556400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.485303,48.556400,-0.000000>,0.350000
<14.192410,49.263508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.192410,49.263508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.192410,49.263508,-0.000000>,0.350000
<14.899517,49.970615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.899517,49.970615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.485303,48.556400,-0.000000>,0.350000
<13.867987,49.480282,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.867987,49.480282,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.867987,49.480282,-0.000000>,0.350000
<14.250670,50.404160,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.250670,50.404160,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.250670,50.404160,-0.000000>,0.350000
<14.633353,51.328041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.633353,51.328041,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.337253,45.784763,-0.000000>,0.350000
<13.044359,46.491871,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.044359,46.491871,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.044359,46.491871,-0.000000>,0.350000
<13.427043,47.415749,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.427043,47.415749,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.427043,47.415749,-0.000000>,0.350000
<13.809727,48.339630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.809727,48.339630,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.044359,46.491871,-0.000000>,0.350000
<13.751467,47.198978,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.751467,47.198978,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.751467,47.198978,-0.000000>,0.350000
<14.675346,47.581661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.675346,47.581661,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.675346,47.581661,-0.000000>,0.350000
<15.599225,47.964344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.599225,47.964344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.599225,47.964344,-0.000000>,0.350000
<16.523106,48.347027,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.523106,48.347027,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.751467,47.198978,-0.000000>,0.350000
<14.458573,47.906082,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.458573,47.906082,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.458573,47.906082,-0.000000>,0.350000
<15.165680,48.613190,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.165680,48.613190,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.165680,48.613190,-0.000000>,0.350000
<15.548364,49.537071,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.548364,49.537071,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.548364,49.537071,-0.000000>,0.350000
<15.931046,50.460949,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.931046,50.460949,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.931046,50.460949,-0.000000>,0.350000
<16.313730,51.384830,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.313730,51.384830,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.165680,48.613190,-0.000000>,0.350000
<15.872787,49.320297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.872787,49.320297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.872787,49.320297,-0.000000>,0.350000
<16.579893,50.027405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.579893,50.027405,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.579893,50.027405,-0.000000>,0.350000
<17.287001,50.734512,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.287001,50.734512,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.287001,50.734512,-0.000000>,0.350000
<17.994106,51.441616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.994106,51.441616,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.994106,51.441616,-0.000000>,0.350000
<18.701214,52.148724,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.701214,52.148724,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.701214,52.148724,-0.000000>,0.350000
<19.408321,52.855831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.408321,52.855831,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,42.249229,-0.000000>,0.350000
<9.184402,43.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,43.173107,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,43.173107,-0.000000>,0.350000
<9.567086,44.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,44.096989,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,44.096989,-0.000000>,0.350000
<9.949769,45.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,45.020866,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,45.020866,-0.000000>,0.350000
<10.656876,45.727974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.656876,45.727974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.656876,45.727974,-0.000000>,0.350000
<11.363983,46.435081,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.363983,46.435081,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.363983,46.435081,-0.000000>,0.350000
<12.071090,47.142189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.071090,47.142189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,45.020866,-0.000000>,0.350000
<10.656876,45.727974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.656876,45.727974,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.656876,45.727974,-0.000000>,0.350000
<11.363983,46.435081,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.363983,46.435081,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.363983,46.435081,-0.000000>,0.350000
<11.746666,47.358959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.746666,47.358959,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.746666,47.358959,-0.000000>,0.350000
<12.129350,48.282841,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.129350,48.282841,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.129350,48.282841,-0.000000>,0.350000
<12.512033,49.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.512033,49.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.363983,46.435081,-0.000000>,0.350000
<12.071090,47.142189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.071090,47.142189,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.071090,47.142189,-0.000000>,0.350000
<12.778196,47.849297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.778196,47.849297,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.778196,47.849297,-0.000000>,0.350000
<13.485303,48.556400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.485303,48.556400,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.485303,48.556400,-0.000000>,0.350000
<14.192410,49.263508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.192410,49.263508,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.192410,49.263508,-0.000000>,0.350000
<14.899517,49.970615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.899517,49.970615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.899517,49.970615,-0.000000>,0.350000
<15.606624,50.677723,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.606624,50.677723,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,45.020866,-0.000000>,0.350000
<10.332453,45.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,45.944748,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,45.944748,-0.000000>,0.350000
<10.715137,46.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,46.868626,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,46.868626,-0.000000>,0.350000
<11.097819,47.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,47.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,47.792507,-0.000000>,0.350000
<11.804926,48.499615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.804926,48.499615,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.804926,48.499615,-0.000000>,0.350000
<12.512033,49.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.512033,49.206718,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,47.792507,-0.000000>,0.350000
<11.097819,48.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,48.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,48.792507,-0.000000>,0.350000
<11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,49.792507,-0.000000>,0.350000
<11.097819,50.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,50.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,47.792507,-0.000000>,0.350000
<11.097819,48.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,48.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,48.792507,-0.000000>,0.350000
<11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,49.792507,-0.000000>,0.350000
<11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,50.716385,-0.000000>,0.350000
<11.863187,51.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,51.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,51.640266,-0.000000>,0.350000
<12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,52.564144,-0.000000>,0.350000
<12.628553,53.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,53.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,49.792507,-0.000000>,0.350000
<11.097819,50.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,50.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,50.792507,-0.000000>,0.350000
<11.097819,51.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,51.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,51.792507,-0.000000>,0.350000
<11.097819,52.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,52.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,52.792507,-0.000000>,0.350000
<11.480503,53.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,53.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,53.716385,-0.000000>,0.350000
<11.863187,54.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,54.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,52.792507,-0.000000>,0.350000
<11.097819,53.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,53.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,53.792507,-0.000000>,0.350000
<11.097819,54.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,54.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,54.792507,-0.000000>,0.350000
<11.097819,55.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,55.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,47.792507,-0.000000>,0.350000
<11.097819,48.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,48.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,48.792507,-0.000000>,0.350000
<11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,49.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,49.792507,-0.000000>,0.350000
<11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,50.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,50.716385,-0.000000>,0.350000
<11.863187,51.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,51.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,49.792507,-0.000000>,0.350000
<11.097819,50.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,50.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,50.792507,-0.000000>,0.350000
<10.715137,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,51.716385,-0.000000>,0.350000
<10.332453,52.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,52.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,50.792507,-0.000000>,0.350000
<11.480503,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,51.716385,-0.000000>,0.350000
<11.863187,52.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,52.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,52.640266,-0.000000>,0.350000
<12.245870,53.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,53.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,53.564144,-0.000000>,0.350000
<12.628553,54.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,54.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,50.792507,-0.000000>,0.350000
<11.480503,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,51.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,51.716385,-0.000000>,0.350000
<11.863187,52.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,52.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,52.640266,-0.000000>,0.350000
<11.863187,53.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,53.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,53.640266,-0.000000>,0.350000
<12.245870,54.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,54.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,54.564144,-0.000000>,0.350000
<12.628553,55.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,55.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,53.640266,-0.000000>,0.350000
<11.863187,54.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,54.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,54.640266,-0.000000>,0.350000
<11.863187,55.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,55.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,55.640266,-0.000000>,0.350000
<11.863187,56.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,56.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,52.640266,-0.000000>,0.350000
<12.245870,53.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,53.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,53.564144,-0.000000>,0.350000
<12.628553,54.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,54.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,54.488026,-0.000000>,0.350000
<13.335660,55.195133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.335660,55.195133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.335660,55.195133,-0.000000>,0.350000
<14.042767,55.902237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.042767,55.902237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,54.488026,-0.000000>,0.350000
<13.011237,55.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,55.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,55.411903,-0.000000>,0.350000
<13.011237,56.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,56.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,56.411903,-0.000000>,0.350000
<13.011237,57.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,57.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,55.411903,-0.000000>,0.350000
<13.393920,56.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,56.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,56.335785,-0.000000>,0.350000
<13.776604,57.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,57.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,57.259663,-0.000000>,0.350000
<14.159287,58.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.159287,58.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.159287,58.183544,-0.000000>,0.350000
<14.541970,59.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,59.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,50.792507,-0.000000>,0.350000
<11.097819,51.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,51.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,51.792507,-0.000000>,0.350000
<11.097819,52.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,52.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,52.792507,-0.000000>,0.350000
<11.097819,53.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,53.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,53.792507,-0.000000>,0.350000
<10.715137,54.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,54.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,54.716385,-0.000000>,0.350000
<10.332453,55.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,55.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,53.792507,-0.000000>,0.350000
<11.097819,54.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,54.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,54.792507,-0.000000>,0.350000
<11.480503,55.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,55.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,55.716385,-0.000000>,0.350000
<11.863187,56.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,56.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,56.640266,-0.000000>,0.350000
<12.245870,57.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,57.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,54.792507,-0.000000>,0.350000
<10.715137,55.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,55.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,55.716385,-0.000000>,0.350000
<10.332453,56.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,56.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,56.640266,-0.000000>,0.350000
<9.949769,57.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,57.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,57.564144,-0.000000>,0.350000
<9.567086,58.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,58.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,58.488026,-0.000000>,0.350000
<9.184402,59.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,59.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,54.792507,-0.000000>,0.350000
<11.097819,55.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,55.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,55.792507,-0.000000>,0.350000
<11.097819,56.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,56.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,56.792507,-0.000000>,0.350000
<11.480503,57.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,57.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,57.716385,-0.000000>,0.350000
<11.863187,58.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,58.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,56.792507,-0.000000>,0.350000
<11.480503,57.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,57.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,57.716385,-0.000000>,0.350000
<11.480503,58.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,58.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,58.716385,-0.000000>,0.350000
<11.480503,59.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,59.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,57.716385,-0.000000>,0.350000
<11.863187,58.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,58.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,58.640266,-0.000000>,0.350000
<12.245870,59.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,59.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,59.564144,-0.000000>,0.350000
<12.628553,60.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,60.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,60.488026,-0.000000>,0.350000
<13.011237,61.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,61.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,56.792507,-0.000000>,0.350000
<11.097819,57.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,57.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,57.792507,-0.000000>,0.350000
<11.097819,58.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,58.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,58.792507,-0.000000>,0.350000
<11.097819,59.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,59.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,59.792507,-0.000000>,0.350000
<10.715137,60.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,60.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,60.716385,-0.000000>,0.350000
<10.332453,61.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,61.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,59.792507,-0.000000>,0.350000
<11.097819,60.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,60.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,60.792507,-0.000000>,0.350000
<11.480503,61.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,61.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,61.716385,-0.000000>,0.350000
<11.863187,62.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,62.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,62.640266,-0.000000>,0.350000
<12.245870,63.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,63.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,60.792507,-0.000000>,0.350000
<11.097819,61.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,61.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,61.792507,-0.000000>,0.350000
<11.097819,62.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,62.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,62.792507,-0.000000>,0.350000
<11.097819,63.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,63.792507,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,63.792507,-0.000000>,0.350000
<11.097819,64.792503,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,64.792503,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,64.792503,-0.000000>,0.350000
<11.097819,65.792503,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,65.792503,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,47.792507,-0.000000>,0.350000
<11.480503,48.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,48.716385,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,48.716385,-0.000000>,0.350000
<11.863187,49.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,49.640266,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,49.640266,-0.000000>,0.350000
<12.245870,50.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,50.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,50.564144,-0.000000>,0.350000
<12.245870,51.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,51.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,51.564144,-0.000000>,0.350000
<12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,52.564144,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,50.564144,-0.000000>,0.350000
<12.628553,51.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,51.488026,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,51.488026,-0.000000>,0.350000
<13.335660,52.195133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.335660,52.195133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.335660,52.195133,-0.000000>,0.350000
<14.042767,52.902237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.042767,52.902237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.042767,52.902237,-0.000000>,0.350000
<14.749873,53.609344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.749873,53.609344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,51.488026,-0.000000>,0.350000
<13.335660,52.195133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.335660,52.195133,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.335660,52.195133,-0.000000>,0.350000
<14.042767,52.902237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.042767,52.902237,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.042767,52.902237,-0.000000>,0.350000
<14.749873,53.609344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.749873,53.609344,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.749873,53.609344,-0.000000>,0.350000
<15.673753,53.992027,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.673753,53.992027,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.673753,53.992027,-0.000000>,0.350000
<16.597633,54.374710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.597633,54.374710,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.749873,53.609344,-0.000000>,0.350000
<15.456981,54.316452,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.456981,54.316452,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,51.488026,-0.000000>,0.350000
<13.011237,52.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,52.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,52.411903,-0.000000>,0.350000
<13.011237,53.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,53.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,53.411903,-0.000000>,0.350000
<13.011237,54.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,54.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,54.411903,-0.000000>,0.350000
<13.011237,55.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,55.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,52.411903,-0.000000>,0.350000
<13.011237,53.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,53.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,53.411903,-0.000000>,0.350000
<13.011237,54.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,54.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,54.411903,-0.000000>,0.350000
<13.393920,55.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,55.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,55.335785,-0.000000>,0.350000
<13.776604,56.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,56.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,54.411903,-0.000000>,0.350000
<13.011237,55.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,55.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,55.411903,-0.000000>,0.350000
<12.628553,56.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,56.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,56.335785,-0.000000>,0.350000
<12.245870,57.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,57.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,55.411903,-0.000000>,0.350000
<13.011237,56.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,56.411903,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,52.411903,-0.000000>,0.350000
<13.718344,53.119011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.718344,53.119011,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.718344,53.119011,-0.000000>,0.350000
<14.425450,53.826118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.425450,53.826118,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.425450,53.826118,-0.000000>,0.350000
<15.132557,54.533226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.132557,54.533226,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.132557,54.533226,-0.000000>,0.350000
<15.839664,55.240330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.839664,55.240330,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.839664,55.240330,-0.000000>,0.350000
<16.546770,55.947437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.546770,55.947437,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.546770,55.947437,-0.000000>,0.350000
<17.470650,56.330120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.470650,56.330120,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.470650,56.330120,-0.000000>,0.350000
<18.394529,56.712807,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.394529,56.712807,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.546770,55.947437,-0.000000>,0.350000
<16.929455,56.871319,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.929455,56.871319,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.929455,56.871319,-0.000000>,0.350000
<17.312138,57.795197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.312138,57.795197,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.312138,57.795197,-0.000000>,0.350000
<17.694820,58.719078,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.694820,58.719078,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.546770,55.947437,-0.000000>,0.350000
<17.253878,56.654545,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.253878,56.654545,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.253878,56.654545,-0.000000>,0.350000
<17.960983,57.361652,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.960983,57.361652,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.960983,57.361652,-0.000000>,0.350000
<18.668091,58.068760,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.668091,58.068760,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.668091,58.068760,-0.000000>,0.350000
<19.375198,58.775864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.375198,58.775864,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.375198,58.775864,-0.000000>,0.350000
<20.082304,59.482971,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.082304,59.482971,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.082304,59.482971,-0.000000>,0.350000
<20.789412,60.190079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.789412,60.190079,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,52.411903,-0.000000>,0.350000
<13.393920,53.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,53.335785,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,53.335785,-0.000000>,0.350000
<13.776604,54.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,54.259663,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,54.259663,-0.000000>,0.350000
<14.483710,54.966770,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.483710,54.966770,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.483710,54.966770,-0.000000>,0.350000
<15.190817,55.673878,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.190817,55.673878,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.190817,55.673878,-0.000000>,0.350000
<15.897923,56.380985,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.897923,56.380985,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.897923,56.380985,-0.000000>,0.350000
<16.605030,57.088089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.605030,57.088089,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,54.259663,-0.000000>,0.350000
<14.159287,55.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.159287,55.183544,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.159287,55.183544,-0.000000>,0.350000
<14.541970,56.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,56.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,56.107422,-0.000000>,0.350000
<14.541970,57.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,57.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,57.107422,-0.000000>,0.350000
<14.924654,58.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,58.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,58.031303,-0.000000>,0.350000
<15.307338,58.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,58.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,57.107422,-0.000000>,0.350000
<14.541970,58.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,58.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,58.107422,-0.000000>,0.350000
<14.541970,59.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,59.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,59.107422,-0.000000>,0.350000
<14.541970,60.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,60.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,56.107422,-0.000000>,0.350000
<14.541970,57.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,57.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,57.107422,-0.000000>,0.350000
<14.541970,58.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,58.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,58.107422,-0.000000>,0.350000
<14.924654,59.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,59.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,59.031303,-0.000000>,0.350000
<15.307338,59.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,59.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,58.107422,-0.000000>,0.350000
<14.924654,59.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,59.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,59.031303,-0.000000>,0.350000
<14.924654,60.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,60.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,60.031303,-0.000000>,0.350000
<14.924654,61.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,61.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,59.031303,-0.000000>,0.350000
<15.307338,59.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,59.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,59.955181,-0.000000>,0.350000
<15.690021,60.879063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.690021,60.879063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.690021,60.879063,-0.000000>,0.350000
<16.072704,61.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.072704,61.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.072704,61.802940,-0.000000>,0.350000
<16.455387,62.726818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.455387,62.726818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,58.107422,-0.000000>,0.350000
<14.541970,59.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,59.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,59.107422,-0.000000>,0.350000
<14.541970,60.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,60.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,60.107422,-0.000000>,0.350000
<14.541970,61.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,61.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,61.107422,-0.000000>,0.350000
<14.159287,62.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.159287,62.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.159287,62.031303,-0.000000>,0.350000
<13.776604,62.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,62.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,61.107422,-0.000000>,0.350000
<14.541970,62.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,62.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,62.107422,-0.000000>,0.350000
<14.924654,63.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,63.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,63.031303,-0.000000>,0.350000
<15.307338,63.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,63.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,63.955181,-0.000000>,0.350000
<15.690021,64.879059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.690021,64.879059,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,62.107422,-0.000000>,0.350000
<14.541970,63.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,63.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,63.107422,-0.000000>,0.350000
<14.541970,64.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,64.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,64.107422,-0.000000>,0.350000
<14.541970,65.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,65.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,65.107422,-0.000000>,0.350000
<14.541970,66.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,66.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,66.107422,-0.000000>,0.350000
<14.541970,67.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,67.107422,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,56.107422,-0.000000>,0.350000
<14.924654,57.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,57.031303,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,57.031303,-0.000000>,0.350000
<15.307338,57.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,57.955181,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,57.955181,-0.000000>,0.350000
<15.690021,58.879063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.690021,58.879063,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.690021,58.879063,-0.000000>,0.350000
<16.397127,59.586166,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.397127,59.586166,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.397127,59.586166,-0.000000>,0.350000
<17.104235,60.293274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.104235,60.293274,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.104235,60.293274,-0.000000>,0.350000
<17.811340,61.000381,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.811340,61.000381,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.690021,58.879063,-0.000000>,0.350000
<16.072704,59.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.072704,59.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.072704,59.802940,-0.000000>,0.350000
<16.072704,60.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.072704,60.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.072704,60.802940,-0.000000>,0.350000
<16.072704,61.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.072704,61.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.072704,61.802940,-0.000000>,0.350000
<16.072704,62.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.072704,62.802940,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.072704,59.802940,-0.000000>,0.350000
<16.779812,60.510048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.779812,60.510048,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.779812,60.510048,-0.000000>,0.350000
<17.486917,61.217155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.486917,61.217155,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.486917,61.217155,-0.000000>,0.350000
<18.194025,61.924259,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.194025,61.924259,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.194025,61.924259,-0.000000>,0.350000
<18.901131,62.631367,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.901131,62.631367,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.901131,62.631367,-0.000000>,0.350000
<19.608238,63.338474,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.608238,63.338474,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.608238,63.338474,-0.000000>,0.350000
<20.315346,64.045578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.315346,64.045578,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.072704,59.802940,-0.000000>,0.350000
<16.455387,60.726818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.455387,60.726818,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.455387,60.726818,-0.000000>,0.350000
<17.162495,61.433926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.162495,61.433926,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.162495,61.433926,-0.000000>,0.350000
<17.869600,62.141033,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.869600,62.141033,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.455387,60.726818,-0.000000>,0.350000
<16.838072,61.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,61.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,61.650700,-0.000000>,0.350000
<16.838072,62.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,62.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,62.650700,-0.000000>,0.350000
<16.838072,63.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,63.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,61.650700,-0.000000>,0.350000
<16.838072,62.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,62.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,62.650700,-0.000000>,0.350000
<17.220755,63.574577,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.220755,63.574577,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.220755,63.574577,-0.000000>,0.350000
<17.603437,64.498459,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.603437,64.498459,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.603437,64.498459,-0.000000>,0.350000
<17.986122,65.422340,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.986122,65.422340,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,62.650700,-0.000000>,0.350000
<16.838072,63.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,63.650700,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,63.650700,-0.000000>,0.350000
<16.838072,64.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,64.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,64.650696,-0.000000>,0.350000
<16.838072,65.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,65.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,65.650696,-0.000000>,0.350000
<16.838072,66.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,66.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,66.650696,-0.000000>,0.350000
<16.838072,67.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.838072,67.650696,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.838072,61.650700,-0.000000>,0.350000
<17.220755,62.574577,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.220755,62.574577,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.220755,62.574577,-0.000000>,0.350000
<17.603437,63.498459,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.603437,63.498459,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.603437,63.498459,-0.000000>,0.350000
<17.986122,64.422340,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.986122,64.422340,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.986122,64.422340,-0.000000>,0.350000
<18.693228,65.129448,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.693228,65.129448,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.693228,65.129448,-0.000000>,0.350000
<19.400335,65.836548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.400335,65.836548,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.400335,65.836548,-0.000000>,0.350000
<20.107441,66.543655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.107441,66.543655,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.986122,64.422340,-0.000000>,0.350000
<18.368805,65.346214,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.368805,65.346214,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.368805,65.346214,-0.000000>,0.350000
<18.751488,66.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.751488,66.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.751488,66.270096,-0.000000>,0.350000
<18.751488,67.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.751488,67.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.751488,67.270096,-0.000000>,0.350000
<18.751488,68.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.751488,68.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.751488,68.270096,-0.000000>,0.350000
<18.751488,69.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.751488,69.270096,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.751488,66.270096,-0.000000>,0.350000
<19.134172,67.193977,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.134172,67.193977,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.134172,67.193977,-0.000000>,0.350000
<19.516855,68.117859,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.516855,68.117859,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.516855,68.117859,-0.000000>,0.350000
<19.899538,69.041733,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.899538,69.041733,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.899538,69.041733,-0.000000>,0.350000
<20.282223,69.965614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.282223,69.965614,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.282223,69.965614,-0.000000>,0.350000
<20.664906,70.889496,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.664906,70.889496,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.664906,70.889496,-0.000000>,0.350000
<21.047588,71.813377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.047588,71.813377,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.350000
<0.000000,22.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.350000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 42.533699, 85.067398>
look_at   <0, 42.533699,  0>
}
