#include "colors.inc"
light_source { <130.943039, 130.943039, 130.943039> color White}

cone {
<32.000000,-0.000000,-0.000000>,0.100000
<31.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,-0.000000,-0.000000>,0.300000
<30.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.500000,0.866025,-0.000000>,0.300000
<31.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.000000,1.732051,-0.000000>,0.300000
<30.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.500000,2.598076,-0.000000>,0.300000
<29.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.500000,2.598076,-0.000000>,0.300000
<29.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,1.732051,-0.000000>,0.300000
<29.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.500000,0.866025,-0.000000>,0.300000
<29.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,-0.000000,-0.000000>,0.300000
<28.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,-0.000000,-0.000000>,0.300000
<27.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.500000,0.866025,-0.000000>,0.300000
<26.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.500000,0.866025,-0.000000>,0.300000
<26.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,-0.000000,-0.000000>,0.300000
<25.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,-0.000000,-0.000000>,0.300000
<24.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.500000,0.866025,-0.000000>,0.300000
<25.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,1.732051,-0.000000>,0.300000
<26.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,1.732051,-0.000000>,0.300000
<26.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.500000,2.598076,-0.000000>,0.300000
<26.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,3.464102,-0.000000>,0.300000
<26.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.500000,4.330127,-0.000000>,0.300000
<27.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.500000,4.330127,-0.000000>,0.300000
<28.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,3.464102,-0.000000>,0.300000
<29.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,3.464102,-0.000000>,0.300000
<29.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.500000,4.330127,-0.000000>,0.300000
<29.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.000000,5.196152,-0.000000>,0.300000
<28.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,5.196152,-0.000000>,0.300000
<27.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.500000,6.062178,-0.000000>,0.300000
<28.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.000000,6.928203,-0.000000>,0.300000
<27.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.500000,7.794229,-0.000000>,0.300000
<26.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.500000,7.794229,-0.000000>,0.300000
<26.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,6.928203,-0.000000>,0.300000
<25.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,6.928203,-0.000000>,0.300000
<24.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.500000,7.794229,-0.000000>,0.300000
<25.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,8.660254,-0.000000>,0.300000
<26.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,8.660254,-0.000000>,0.300000
<26.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.500000,9.526279,-0.000000>,0.300000
<26.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.000000,10.392304,-0.000000>,0.300000
<25.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,10.392304,-0.000000>,0.300000
<24.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.500000,11.258330,-0.000000>,0.300000
<25.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.000000,12.124355,-0.000000>,0.300000
<24.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.500000,12.990381,-0.000000>,0.300000
<23.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.500000,12.990381,-0.000000>,0.300000
<23.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,12.124355,-0.000000>,0.300000
<23.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.500000,11.258330,-0.000000>,0.300000
<23.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,10.392304,-0.000000>,0.300000
<22.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,10.392304,-0.000000>,0.300000
<21.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,9.526279,-0.000000>,0.300000
<22.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,8.660254,-0.000000>,0.300000
<23.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,8.660254,-0.000000>,0.300000
<23.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.500000,7.794229,-0.000000>,0.300000
<23.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,6.928203,-0.000000>,0.300000
<22.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,6.928203,-0.000000>,0.300000
<21.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,7.794229,-0.000000>,0.300000
<20.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,7.794229,-0.000000>,0.300000
<20.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,6.928203,-0.000000>,0.300000
<20.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,6.062178,-0.000000>,0.300000
<20.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,5.196152,-0.000000>,0.300000
<19.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,5.196152,-0.000000>,0.300000
<18.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,4.330127,-0.000000>,0.300000
<19.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,3.464102,-0.000000>,0.300000
<20.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,3.464102,-0.000000>,0.300000
<20.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,4.330127,-0.000000>,0.300000
<21.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,4.330127,-0.000000>,0.300000
<22.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,3.464102,-0.000000>,0.300000
<21.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,2.598076,-0.000000>,0.300000
<22.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,1.732051,-0.000000>,0.300000
<23.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,1.732051,-0.000000>,0.300000
<23.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.500000,0.866025,-0.000000>,0.300000
<23.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,-0.000000,-0.000000>,0.300000
<22.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,-0.000000,-0.000000>,0.300000
<21.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,0.866025,-0.000000>,0.300000
<20.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,0.866025,-0.000000>,0.300000
<20.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,-0.000000,-0.000000>,0.300000
<19.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,-0.000000,-0.000000>,0.300000
<18.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,0.866025,-0.000000>,0.300000
<19.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,1.732051,-0.000000>,0.300000
<18.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,2.598076,-0.000000>,0.300000
<17.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,2.598076,-0.000000>,0.300000
<17.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,1.732051,-0.000000>,0.300000
<17.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,0.866025,-0.000000>,0.300000
<17.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,-0.000000,-0.000000>,0.300000
<16.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,-0.000000,-0.000000>,0.300000
<15.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.500000,0.866025,-0.000000>,0.300000
<14.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,0.866025,-0.000000>,0.300000
<14.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,-0.000000,-0.000000>,0.300000
<13.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,-0.000000,-0.000000>,0.300000
<12.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,0.866025,-0.000000>,0.300000
<13.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,1.732051,-0.000000>,0.300000
<14.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,1.732051,-0.000000>,0.300000
<14.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,2.598076,-0.000000>,0.300000
<14.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,3.464102,-0.000000>,0.300000
<13.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,3.464102,-0.000000>,0.300000
<12.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,4.330127,-0.000000>,0.300000
<13.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,5.196152,-0.000000>,0.300000
<12.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,6.062178,-0.000000>,0.300000
<11.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,6.062178,-0.000000>,0.300000
<11.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,5.196152,-0.000000>,0.300000
<11.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,4.330127,-0.000000>,0.300000
<11.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,3.464102,-0.000000>,0.300000
<10.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,3.464102,-0.000000>,0.300000
<9.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,2.598076,-0.000000>,0.300000
<10.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,1.732051,-0.000000>,0.300000
<11.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,1.732051,-0.000000>,0.300000
<11.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,0.866025,-0.000000>,0.300000
<11.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,-0.000000,-0.000000>,0.300000
<10.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,-0.000000,-0.000000>,0.300000
<9.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,0.866025,-0.000000>,0.300000
<8.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,0.866025,-0.000000>,0.300000
<8.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,-0.000000,-0.000000>,0.300000
<7.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,-0.000000,-0.000000>,0.300000
<6.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,0.866025,-0.000000>,0.300000
<7.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,1.732051,-0.000000>,0.300000
<6.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,2.598076,-0.000000>,0.300000
<5.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,2.598076,-0.000000>,0.300000
<5.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,1.732051,-0.000000>,0.300000
<5.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,0.866025,-0.000000>,0.300000
<5.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,-0.000000,-0.000000>,0.300000
<4.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,-0.000000,-0.000000>,0.300000
<3.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,0.866025,-0.000000>,0.300000
<2.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,0.866025,-0.000000>,0.300000
<2.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,-0.000000,-0.000000>,0.300000
<1.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,-0.000000,-0.000000>,0.300000
<0.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.500000,0.866025,-0.000000>,0.300000
<1.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,1.732051,-0.000000>,0.300000
<2.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,1.732051,-0.000000>,0.300000
<2.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,2.598076,-0.000000>,0.300000
<2.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,3.464102,-0.000000>,0.300000
<2.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,4.330127,-0.000000>,0.300000
<3.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,4.330127,-0.000000>,0.300000
<4.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,3.464102,-0.000000>,0.300000
<5.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,3.464102,-0.000000>,0.300000
<5.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,4.330127,-0.000000>,0.300000
<5.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,5.196152,-0.000000>,0.300000
<4.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,5.196152,-0.000000>,0.300000
<3.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,6.062178,-0.000000>,0.300000
<4.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,6.928203,-0.000000>,0.300000
<5.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,6.928203,-0.000000>,0.300000
<5.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,7.794229,-0.000000>,0.300000
<5.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,8.660254,-0.000000>,0.300000
<5.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,9.526279,-0.000000>,0.300000
<6.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,9.526279,-0.000000>,0.300000
<7.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,8.660254,-0.000000>,0.300000
<6.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,7.794229,-0.000000>,0.300000
<7.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,6.928203,-0.000000>,0.300000
<8.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,6.928203,-0.000000>,0.300000
<8.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,7.794229,-0.000000>,0.300000
<9.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,7.794229,-0.000000>,0.300000
<10.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,6.928203,-0.000000>,0.300000
<11.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,6.928203,-0.000000>,0.300000
<11.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,7.794229,-0.000000>,0.300000
<11.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,8.660254,-0.000000>,0.300000
<10.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,8.660254,-0.000000>,0.300000
<9.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,9.526279,-0.000000>,0.300000
<10.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,10.392304,-0.000000>,0.300000
<9.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,11.258330,-0.000000>,0.300000
<8.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,11.258330,-0.000000>,0.300000
<8.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,10.392304,-0.000000>,0.300000
<7.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,10.392304,-0.000000>,0.300000
<6.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,11.258330,-0.000000>,0.300000
<7.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,12.124355,-0.000000>,0.300000
<8.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,12.124355,-0.000000>,0.300000
<8.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,12.990381,-0.000000>,0.300000
<8.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,13.856406,-0.000000>,0.300000
<8.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,14.722432,-0.000000>,0.300000
<9.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,14.722432,-0.000000>,0.300000
<10.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,13.856406,-0.000000>,0.300000
<11.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,13.856406,-0.000000>,0.300000
<11.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,14.722432,-0.000000>,0.300000
<11.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,15.588457,-0.000000>,0.300000
<10.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,15.588457,-0.000000>,0.300000
<9.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,16.454483,-0.000000>,0.300000
<10.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,17.320509,-0.000000>,0.300000
<11.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,17.320509,-0.000000>,0.300000
<11.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,18.186533,-0.000000>,0.300000
<11.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,19.052559,-0.000000>,0.300000
<11.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,19.918585,-0.000000>,0.300000
<12.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,19.918585,-0.000000>,0.300000
<13.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,19.052559,-0.000000>,0.300000
<12.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,18.186533,-0.000000>,0.300000
<13.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,17.320509,-0.000000>,0.300000
<14.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,17.320509,-0.000000>,0.300000
<14.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,16.454483,-0.000000>,0.300000
<14.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,15.588457,-0.000000>,0.300000
<13.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,15.588457,-0.000000>,0.300000
<12.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,14.722432,-0.000000>,0.300000
<13.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,13.856406,-0.000000>,0.300000
<14.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,13.856406,-0.000000>,0.300000
<14.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,14.722432,-0.000000>,0.300000
<15.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.500000,14.722432,-0.000000>,0.300000
<16.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,13.856406,-0.000000>,0.300000
<17.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,13.856406,-0.000000>,0.300000
<17.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,14.722432,-0.000000>,0.300000
<17.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,15.588457,-0.000000>,0.300000
<17.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,16.454483,-0.000000>,0.300000
<18.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,16.454483,-0.000000>,0.300000
<19.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,15.588457,-0.000000>,0.300000
<18.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,14.722432,-0.000000>,0.300000
<19.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,13.856406,-0.000000>,0.300000
<20.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,13.856406,-0.000000>,0.300000
<20.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,14.722432,-0.000000>,0.300000
<21.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,14.722432,-0.000000>,0.300000
<22.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,13.856406,-0.000000>,0.300000
<23.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,13.856406,-0.000000>,0.300000
<23.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.500000,14.722432,-0.000000>,0.300000
<23.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.000000,15.588457,-0.000000>,0.300000
<22.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,15.588457,-0.000000>,0.300000
<21.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,16.454483,-0.000000>,0.300000
<22.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.000000,17.320509,-0.000000>,0.300000
<21.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.500000,18.186533,-0.000000>,0.300000
<20.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,18.186533,-0.000000>,0.300000
<20.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,17.320509,-0.000000>,0.300000
<19.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,17.320509,-0.000000>,0.300000
<18.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,18.186533,-0.000000>,0.300000
<19.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,19.052559,-0.000000>,0.300000
<20.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,19.052559,-0.000000>,0.300000
<20.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.500000,19.918585,-0.000000>,0.300000
<20.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.000000,20.784609,-0.000000>,0.300000
<19.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,20.784609,-0.000000>,0.300000
<18.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,21.650635,-0.000000>,0.300000
<19.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.000000,22.516661,-0.000000>,0.300000
<18.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.500000,23.382687,-0.000000>,0.300000
<17.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,23.382687,-0.000000>,0.300000
<17.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,22.516661,-0.000000>,0.300000
<17.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,21.650635,-0.000000>,0.300000
<17.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,20.784609,-0.000000>,0.300000
<16.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,20.784609,-0.000000>,0.300000
<15.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.500000,21.650635,-0.000000>,0.300000
<14.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,21.650635,-0.000000>,0.300000
<14.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,20.784609,-0.000000>,0.300000
<13.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,20.784609,-0.000000>,0.300000
<12.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,21.650635,-0.000000>,0.300000
<13.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,22.516661,-0.000000>,0.300000
<14.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,22.516661,-0.000000>,0.300000
<14.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,23.382687,-0.000000>,0.300000
<14.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,24.248711,-0.000000>,0.300000
<14.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,25.114737,-0.000000>,0.300000
<15.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.500000,25.114737,-0.000000>,0.300000
<16.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,24.248711,-0.000000>,0.300000
<17.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,24.248711,-0.000000>,0.300000
<17.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.500000,25.114737,-0.000000>,0.300000
<17.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.000000,25.980762,-0.000000>,0.300000
<16.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,25.980762,-0.000000>,0.300000
<15.500000,26.846788,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.500000,26.846788,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.500000,26.846788,-0.000000>,0.300000
<16.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.000000,27.712812,-0.000000>,0.300000
<15.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.500000,28.578838,-0.000000>,0.300000
<14.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,28.578838,-0.000000>,0.300000
<14.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,27.712812,-0.000000>,0.300000
<13.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,27.712812,-0.000000>,0.300000
<12.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,28.578838,-0.000000>,0.300000
<13.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,29.444864,-0.000000>,0.300000
<14.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,29.444864,-0.000000>,0.300000
<14.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.500000,30.310888,-0.000000>,0.300000
<14.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.000000,31.176914,-0.000000>,0.300000
<13.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,31.176914,-0.000000>,0.300000
<12.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,32.042938,-0.000000>,0.300000
<13.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.000000,32.908966,-0.000000>,0.300000
<12.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.500000,33.774990,-0.000000>,0.300000
<11.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,33.774990,-0.000000>,0.300000
<11.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,32.908966,-0.000000>,0.300000
<11.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,32.042938,-0.000000>,0.300000
<11.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,31.176914,-0.000000>,0.300000
<10.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,31.176914,-0.000000>,0.300000
<9.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,30.310888,-0.000000>,0.300000
<10.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,29.444864,-0.000000>,0.300000
<11.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,29.444864,-0.000000>,0.300000
<11.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,28.578838,-0.000000>,0.300000
<11.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,27.712812,-0.000000>,0.300000
<10.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,27.712812,-0.000000>,0.300000
<9.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,28.578838,-0.000000>,0.300000
<8.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,28.578838,-0.000000>,0.300000
<8.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,27.712812,-0.000000>,0.300000
<7.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,27.712812,-0.000000>,0.300000
<6.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,28.578838,-0.000000>,0.300000
<7.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,29.444864,-0.000000>,0.300000
<6.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,30.310888,-0.000000>,0.300000
<5.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,30.310888,-0.000000>,0.300000
<5.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,29.444864,-0.000000>,0.300000
<5.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,28.578838,-0.000000>,0.300000
<5.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,27.712812,-0.000000>,0.300000
<4.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,27.712812,-0.000000>,0.300000
<3.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,28.578838,-0.000000>,0.300000
<2.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,28.578838,-0.000000>,0.300000
<2.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,27.712812,-0.000000>,0.300000
<1.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,27.712812,-0.000000>,0.300000
<0.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.500000,28.578838,-0.000000>,0.300000
<1.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,29.444864,-0.000000>,0.300000
<2.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,29.444864,-0.000000>,0.300000
<2.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,30.310888,-0.000000>,0.300000
<2.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,31.176914,-0.000000>,0.300000
<2.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,32.042938,-0.000000>,0.300000
<3.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,32.042938,-0.000000>,0.300000
<4.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,31.176914,-0.000000>,0.300000
<5.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,31.176914,-0.000000>,0.300000
<5.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,32.042938,-0.000000>,0.300000
<5.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,32.908966,-0.000000>,0.300000
<4.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,32.908966,-0.000000>,0.300000
<3.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,33.774990,-0.000000>,0.300000
<4.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,34.641018,-0.000000>,0.300000
<5.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,34.641018,-0.000000>,0.300000
<5.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,35.507042,-0.000000>,0.300000
<5.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,36.373066,-0.000000>,0.300000
<5.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,37.239094,-0.000000>,0.300000
<6.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,37.239094,-0.000000>,0.300000
<7.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,36.373066,-0.000000>,0.300000
<6.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,35.507042,-0.000000>,0.300000
<7.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,34.641018,-0.000000>,0.300000
<8.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,34.641018,-0.000000>,0.300000
<8.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,35.507042,-0.000000>,0.300000
<9.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,35.507042,-0.000000>,0.300000
<10.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,34.641018,-0.000000>,0.300000
<11.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,34.641018,-0.000000>,0.300000
<11.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.500000,35.507042,-0.000000>,0.300000
<11.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.000000,36.373066,-0.000000>,0.300000
<10.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,36.373066,-0.000000>,0.300000
<9.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,37.239094,-0.000000>,0.300000
<10.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.000000,38.105118,-0.000000>,0.300000
<9.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.500000,38.971142,-0.000000>,0.300000
<8.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,38.971142,-0.000000>,0.300000
<8.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,38.105118,-0.000000>,0.300000
<7.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,38.105118,-0.000000>,0.300000
<6.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,38.971142,-0.000000>,0.300000
<7.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,39.837170,-0.000000>,0.300000
<8.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,39.837170,-0.000000>,0.300000
<8.500000,40.703194,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.500000,40.703194,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.500000,40.703194,-0.000000>,0.300000
<8.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.000000,41.569218,-0.000000>,0.300000
<7.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,41.569218,-0.000000>,0.300000
<6.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,42.435246,-0.000000>,0.300000
<7.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.000000,43.301270,-0.000000>,0.300000
<6.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.500000,44.167297,-0.000000>,0.300000
<5.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,44.167297,-0.000000>,0.300000
<5.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,43.301270,-0.000000>,0.300000
<5.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,42.435246,-0.000000>,0.300000
<5.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,41.569218,-0.000000>,0.300000
<4.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,41.569218,-0.000000>,0.300000
<3.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,42.435246,-0.000000>,0.300000
<2.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,42.435246,-0.000000>,0.300000
<2.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,41.569218,-0.000000>,0.300000
<1.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,41.569218,-0.000000>,0.300000
<0.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.500000,42.435246,-0.000000>,0.300000
<1.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,43.301270,-0.000000>,0.300000
<2.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,43.301270,-0.000000>,0.300000
<2.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,44.167297,-0.000000>,0.300000
<2.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,45.033321,-0.000000>,0.300000
<2.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,45.899345,-0.000000>,0.300000
<3.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,45.899345,-0.000000>,0.300000
<4.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,45.033321,-0.000000>,0.300000
<5.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,45.033321,-0.000000>,0.300000
<5.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.500000,45.899345,-0.000000>,0.300000
<5.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.000000,46.765373,-0.000000>,0.300000
<4.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,46.765373,-0.000000>,0.300000
<3.500000,47.631397,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,47.631397,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,47.631397,-0.000000>,0.300000
<4.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.000000,48.497421,-0.000000>,0.300000
<3.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.500000,49.363449,-0.000000>,0.300000
<2.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,49.363449,-0.000000>,0.300000
<2.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,48.497421,-0.000000>,0.300000
<1.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,48.497421,-0.000000>,0.300000
<0.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.500000,49.363449,-0.000000>,0.300000
<1.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,50.229473,-0.000000>,0.300000
<2.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,50.229473,-0.000000>,0.300000
<2.500000,51.095497,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.500000,51.095497,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.500000,51.095497,-0.000000>,0.300000
<2.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.000000,51.961525,-0.000000>,0.300000
<1.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,51.961525,-0.000000>,0.300000
<0.500000,52.827549,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.500000,52.827549,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.500000,52.827549,-0.000000>,0.300000
<1.000000,53.693577,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.000000,53.693577,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.000000,53.693577,-0.000000>,0.300000
<0.500000,54.559601,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.500000,54.559601,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.500000,54.559601,-0.000000>,0.300000
<-0.500000,54.559601,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.500000,54.559601,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.500000,54.559601,-0.000000>,0.300000
<-1.000000,53.693577,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,53.693577,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,53.693577,-0.000000>,0.300000
<-0.500000,52.827549,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.500000,52.827549,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.500000,52.827549,-0.000000>,0.300000
<-1.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,51.961525,-0.000000>,0.300000
<-2.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,51.961525,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,51.961525,-0.000000>,0.300000
<-2.500000,51.095497,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,51.095497,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,51.095497,-0.000000>,0.300000
<-2.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,50.229473,-0.000000>,0.300000
<-1.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,50.229473,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,50.229473,-0.000000>,0.300000
<-0.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.500000,49.363449,-0.000000>,0.300000
<-1.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,48.497421,-0.000000>,0.300000
<-2.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,48.497421,-0.000000>,0.300000
<-2.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,49.363449,-0.000000>,0.300000
<-3.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,49.363449,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,49.363449,-0.000000>,0.300000
<-4.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,48.497421,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,48.497421,-0.000000>,0.300000
<-3.500000,47.631397,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,47.631397,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,47.631397,-0.000000>,0.300000
<-4.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,46.765373,-0.000000>,0.300000
<-5.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,46.765373,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,46.765373,-0.000000>,0.300000
<-5.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,45.899345,-0.000000>,0.300000
<-5.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,45.033321,-0.000000>,0.300000
<-4.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,45.033321,-0.000000>,0.300000
<-3.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,45.899345,-0.000000>,0.300000
<-2.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,45.899345,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,45.899345,-0.000000>,0.300000
<-2.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,45.033321,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,45.033321,-0.000000>,0.300000
<-2.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,44.167297,-0.000000>,0.300000
<-2.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,43.301270,-0.000000>,0.300000
<-1.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,43.301270,-0.000000>,0.300000
<-0.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.500000,42.435246,-0.000000>,0.300000
<-1.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,41.569218,-0.000000>,0.300000
<-2.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,41.569218,-0.000000>,0.300000
<-2.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,42.435246,-0.000000>,0.300000
<-3.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,42.435246,-0.000000>,0.300000
<-4.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,41.569218,-0.000000>,0.300000
<-5.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,41.569218,-0.000000>,0.300000
<-5.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,42.435246,-0.000000>,0.300000
<-5.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,43.301270,-0.000000>,0.300000
<-5.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,44.167297,-0.000000>,0.300000
<-6.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,44.167297,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,44.167297,-0.000000>,0.300000
<-7.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,43.301270,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,43.301270,-0.000000>,0.300000
<-6.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,42.435246,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,42.435246,-0.000000>,0.300000
<-7.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,41.569218,-0.000000>,0.300000
<-8.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,41.569218,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,41.569218,-0.000000>,0.300000
<-8.500000,40.703194,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,40.703194,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,40.703194,-0.000000>,0.300000
<-8.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,39.837170,-0.000000>,0.300000
<-7.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,39.837170,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,39.837170,-0.000000>,0.300000
<-6.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,38.971142,-0.000000>,0.300000
<-7.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,38.105118,-0.000000>,0.300000
<-8.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,38.105118,-0.000000>,0.300000
<-8.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,38.971142,-0.000000>,0.300000
<-9.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,38.971142,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,38.971142,-0.000000>,0.300000
<-10.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,38.105118,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,38.105118,-0.000000>,0.300000
<-9.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,37.239094,-0.000000>,0.300000
<-10.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,36.373066,-0.000000>,0.300000
<-11.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,36.373066,-0.000000>,0.300000
<-11.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,35.507042,-0.000000>,0.300000
<-11.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,34.641018,-0.000000>,0.300000
<-10.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,34.641018,-0.000000>,0.300000
<-9.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,35.507042,-0.000000>,0.300000
<-8.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,35.507042,-0.000000>,0.300000
<-8.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,34.641018,-0.000000>,0.300000
<-7.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,34.641018,-0.000000>,0.300000
<-6.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,35.507042,-0.000000>,0.300000
<-7.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,36.373066,-0.000000>,0.300000
<-6.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,37.239094,-0.000000>,0.300000
<-5.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,37.239094,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,37.239094,-0.000000>,0.300000
<-5.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,36.373066,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,36.373066,-0.000000>,0.300000
<-5.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,35.507042,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,35.507042,-0.000000>,0.300000
<-5.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,34.641018,-0.000000>,0.300000
<-4.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,34.641018,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,34.641018,-0.000000>,0.300000
<-3.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,33.774990,-0.000000>,0.300000
<-4.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,32.908966,-0.000000>,0.300000
<-5.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,32.908966,-0.000000>,0.300000
<-5.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,32.042938,-0.000000>,0.300000
<-5.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,31.176914,-0.000000>,0.300000
<-4.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,31.176914,-0.000000>,0.300000
<-3.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,32.042938,-0.000000>,0.300000
<-2.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,32.042938,-0.000000>,0.300000
<-2.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,31.176914,-0.000000>,0.300000
<-2.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,30.310888,-0.000000>,0.300000
<-2.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,29.444864,-0.000000>,0.300000
<-1.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,29.444864,-0.000000>,0.300000
<-0.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.500000,28.578838,-0.000000>,0.300000
<-1.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,27.712812,-0.000000>,0.300000
<-2.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,27.712812,-0.000000>,0.300000
<-2.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,28.578838,-0.000000>,0.300000
<-3.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,28.578838,-0.000000>,0.300000
<-4.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,27.712812,-0.000000>,0.300000
<-5.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,27.712812,-0.000000>,0.300000
<-5.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,28.578838,-0.000000>,0.300000
<-5.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,29.444864,-0.000000>,0.300000
<-5.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,30.310888,-0.000000>,0.300000
<-6.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,30.310888,-0.000000>,0.300000
<-7.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,29.444864,-0.000000>,0.300000
<-6.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,28.578838,-0.000000>,0.300000
<-7.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,27.712812,-0.000000>,0.300000
<-8.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,27.712812,-0.000000>,0.300000
<-8.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,28.578838,-0.000000>,0.300000
<-9.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,28.578838,-0.000000>,0.300000
<-10.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,27.712812,-0.000000>,0.300000
<-11.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,27.712812,-0.000000>,0.300000
<-11.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,28.578838,-0.000000>,0.300000
<-11.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,29.444864,-0.000000>,0.300000
<-10.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,29.444864,-0.000000>,0.300000
<-9.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,30.310888,-0.000000>,0.300000
<-10.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,31.176914,-0.000000>,0.300000
<-11.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,31.176914,-0.000000>,0.300000
<-11.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,32.042938,-0.000000>,0.300000
<-11.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,32.908966,-0.000000>,0.300000
<-11.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,33.774990,-0.000000>,0.300000
<-12.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,33.774990,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,33.774990,-0.000000>,0.300000
<-13.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,32.908966,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,32.908966,-0.000000>,0.300000
<-12.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,32.042938,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,32.042938,-0.000000>,0.300000
<-13.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,31.176914,-0.000000>,0.300000
<-14.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,31.176914,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,31.176914,-0.000000>,0.300000
<-14.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,30.310888,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,30.310888,-0.000000>,0.300000
<-14.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,29.444864,-0.000000>,0.300000
<-13.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,29.444864,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,29.444864,-0.000000>,0.300000
<-12.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,28.578838,-0.000000>,0.300000
<-13.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,27.712812,-0.000000>,0.300000
<-14.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,27.712812,-0.000000>,0.300000
<-14.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,28.578838,-0.000000>,0.300000
<-15.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.500000,28.578838,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.500000,28.578838,-0.000000>,0.300000
<-16.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,27.712812,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,27.712812,-0.000000>,0.300000
<-15.500000,26.846788,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.500000,26.846788,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.500000,26.846788,-0.000000>,0.300000
<-16.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,25.980762,-0.000000>,0.300000
<-17.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,25.980762,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,25.980762,-0.000000>,0.300000
<-17.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,25.114737,-0.000000>,0.300000
<-17.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,24.248711,-0.000000>,0.300000
<-16.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,24.248711,-0.000000>,0.300000
<-15.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.500000,25.114737,-0.000000>,0.300000
<-14.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,25.114737,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,25.114737,-0.000000>,0.300000
<-14.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,24.248711,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,24.248711,-0.000000>,0.300000
<-14.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,23.382687,-0.000000>,0.300000
<-14.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,22.516661,-0.000000>,0.300000
<-13.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,22.516661,-0.000000>,0.300000
<-12.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,21.650635,-0.000000>,0.300000
<-13.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,20.784609,-0.000000>,0.300000
<-14.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,20.784609,-0.000000>,0.300000
<-14.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,21.650635,-0.000000>,0.300000
<-15.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.500000,21.650635,-0.000000>,0.300000
<-16.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,20.784609,-0.000000>,0.300000
<-17.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,20.784609,-0.000000>,0.300000
<-17.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,21.650635,-0.000000>,0.300000
<-17.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,22.516661,-0.000000>,0.300000
<-17.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,23.382687,-0.000000>,0.300000
<-18.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,23.382687,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,23.382687,-0.000000>,0.300000
<-19.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,22.516661,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,22.516661,-0.000000>,0.300000
<-18.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,21.650635,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,21.650635,-0.000000>,0.300000
<-19.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,20.784609,-0.000000>,0.300000
<-20.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,20.784609,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,20.784609,-0.000000>,0.300000
<-20.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,19.918585,-0.000000>,0.300000
<-20.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,19.052559,-0.000000>,0.300000
<-19.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,19.052559,-0.000000>,0.300000
<-18.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,18.186533,-0.000000>,0.300000
<-19.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,17.320509,-0.000000>,0.300000
<-20.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,17.320509,-0.000000>,0.300000
<-20.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,18.186533,-0.000000>,0.300000
<-21.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,18.186533,-0.000000>,0.300000
<-22.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,17.320509,-0.000000>,0.300000
<-21.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,16.454483,-0.000000>,0.300000
<-22.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,15.588457,-0.000000>,0.300000
<-23.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,15.588457,-0.000000>,0.300000
<-23.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.500000,14.722432,-0.000000>,0.300000
<-23.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,13.856406,-0.000000>,0.300000
<-22.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,13.856406,-0.000000>,0.300000
<-21.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,14.722432,-0.000000>,0.300000
<-20.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,14.722432,-0.000000>,0.300000
<-20.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,13.856406,-0.000000>,0.300000
<-19.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,13.856406,-0.000000>,0.300000
<-18.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,14.722432,-0.000000>,0.300000
<-19.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,15.588457,-0.000000>,0.300000
<-18.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,16.454483,-0.000000>,0.300000
<-17.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,16.454483,-0.000000>,0.300000
<-17.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,15.588457,-0.000000>,0.300000
<-17.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,14.722432,-0.000000>,0.300000
<-17.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,13.856406,-0.000000>,0.300000
<-16.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,13.856406,-0.000000>,0.300000
<-15.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.500000,14.722432,-0.000000>,0.300000
<-14.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,14.722432,-0.000000>,0.300000
<-14.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,13.856406,-0.000000>,0.300000
<-13.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,13.856406,-0.000000>,0.300000
<-12.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,14.722432,-0.000000>,0.300000
<-13.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,15.588457,-0.000000>,0.300000
<-14.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,15.588457,-0.000000>,0.300000
<-14.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,16.454483,-0.000000>,0.300000
<-14.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,17.320509,-0.000000>,0.300000
<-13.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,17.320509,-0.000000>,0.300000
<-12.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,18.186533,-0.000000>,0.300000
<-13.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,19.052559,-0.000000>,0.300000
<-12.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,19.918585,-0.000000>,0.300000
<-11.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,19.918585,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,19.918585,-0.000000>,0.300000
<-11.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,19.052559,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,19.052559,-0.000000>,0.300000
<-11.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,18.186533,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,18.186533,-0.000000>,0.300000
<-11.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,17.320509,-0.000000>,0.300000
<-10.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,17.320509,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,17.320509,-0.000000>,0.300000
<-9.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,16.454483,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,16.454483,-0.000000>,0.300000
<-10.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,15.588457,-0.000000>,0.300000
<-11.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,15.588457,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,15.588457,-0.000000>,0.300000
<-11.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,14.722432,-0.000000>,0.300000
<-11.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,13.856406,-0.000000>,0.300000
<-10.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,13.856406,-0.000000>,0.300000
<-9.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,14.722432,-0.000000>,0.300000
<-8.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,14.722432,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,14.722432,-0.000000>,0.300000
<-8.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,13.856406,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,13.856406,-0.000000>,0.300000
<-8.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,12.990381,-0.000000>,0.300000
<-8.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,12.124355,-0.000000>,0.300000
<-7.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,12.124355,-0.000000>,0.300000
<-6.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,11.258330,-0.000000>,0.300000
<-7.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,10.392304,-0.000000>,0.300000
<-8.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,10.392304,-0.000000>,0.300000
<-8.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,11.258330,-0.000000>,0.300000
<-9.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,11.258330,-0.000000>,0.300000
<-10.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,10.392304,-0.000000>,0.300000
<-9.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,9.526279,-0.000000>,0.300000
<-10.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,8.660254,-0.000000>,0.300000
<-11.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,8.660254,-0.000000>,0.300000
<-11.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,7.794229,-0.000000>,0.300000
<-11.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,6.928203,-0.000000>,0.300000
<-10.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,6.928203,-0.000000>,0.300000
<-9.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,7.794229,-0.000000>,0.300000
<-8.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,7.794229,-0.000000>,0.300000
<-8.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,6.928203,-0.000000>,0.300000
<-7.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,6.928203,-0.000000>,0.300000
<-6.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,7.794229,-0.000000>,0.300000
<-7.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,8.660254,-0.000000>,0.300000
<-6.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,9.526279,-0.000000>,0.300000
<-5.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,9.526279,-0.000000>,0.300000
<-5.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,8.660254,-0.000000>,0.300000
<-5.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,7.794229,-0.000000>,0.300000
<-5.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,6.928203,-0.000000>,0.300000
<-4.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,6.928203,-0.000000>,0.300000
<-3.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,6.062178,-0.000000>,0.300000
<-4.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,5.196152,-0.000000>,0.300000
<-5.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,5.196152,-0.000000>,0.300000
<-5.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,4.330127,-0.000000>,0.300000
<-5.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,3.464102,-0.000000>,0.300000
<-4.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,3.464102,-0.000000>,0.300000
<-3.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,4.330127,-0.000000>,0.300000
<-2.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,4.330127,-0.000000>,0.300000
<-2.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,3.464102,-0.000000>,0.300000
<-2.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,2.598076,-0.000000>,0.300000
<-2.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,1.732051,-0.000000>,0.300000
<-1.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,1.732051,-0.000000>,0.300000
<-0.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.500000,0.866025,-0.000000>,0.300000
<-1.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.000000,-0.000000,-0.000000>,0.300000
<-2.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.000000,-0.000000,-0.000000>,0.300000
<-2.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.500000,0.866025,-0.000000>,0.300000
<-3.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.500000,0.866025,-0.000000>,0.300000
<-4.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.000000,-0.000000,-0.000000>,0.300000
<-5.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,-0.000000,-0.000000>,0.300000
<-5.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,0.866025,-0.000000>,0.300000
<-5.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.000000,1.732051,-0.000000>,0.300000
<-5.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.500000,2.598076,-0.000000>,0.300000
<-6.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,2.598076,-0.000000>,0.300000
<-7.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,1.732051,-0.000000>,0.300000
<-6.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.500000,0.866025,-0.000000>,0.300000
<-7.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.000000,-0.000000,-0.000000>,0.300000
<-8.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.000000,-0.000000,-0.000000>,0.300000
<-8.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.500000,0.866025,-0.000000>,0.300000
<-9.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,0.866025,-0.000000>,0.300000
<-10.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,-0.000000,-0.000000>,0.300000
<-11.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,-0.000000,-0.000000>,0.300000
<-11.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,0.866025,-0.000000>,0.300000
<-11.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,1.732051,-0.000000>,0.300000
<-10.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,1.732051,-0.000000>,0.300000
<-9.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.500000,2.598076,-0.000000>,0.300000
<-10.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.000000,3.464102,-0.000000>,0.300000
<-11.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,3.464102,-0.000000>,0.300000
<-11.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,4.330127,-0.000000>,0.300000
<-11.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.000000,5.196152,-0.000000>,0.300000
<-11.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.500000,6.062178,-0.000000>,0.300000
<-12.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,6.062178,-0.000000>,0.300000
<-13.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,5.196152,-0.000000>,0.300000
<-12.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,4.330127,-0.000000>,0.300000
<-13.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,3.464102,-0.000000>,0.300000
<-14.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,3.464102,-0.000000>,0.300000
<-14.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,2.598076,-0.000000>,0.300000
<-14.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,1.732051,-0.000000>,0.300000
<-13.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,1.732051,-0.000000>,0.300000
<-12.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.500000,0.866025,-0.000000>,0.300000
<-13.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.000000,-0.000000,-0.000000>,0.300000
<-14.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.000000,-0.000000,-0.000000>,0.300000
<-14.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.500000,0.866025,-0.000000>,0.300000
<-15.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.500000,0.866025,-0.000000>,0.300000
<-16.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.000000,-0.000000,-0.000000>,0.300000
<-17.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,-0.000000,-0.000000>,0.300000
<-17.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,0.866025,-0.000000>,0.300000
<-17.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.000000,1.732051,-0.000000>,0.300000
<-17.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.500000,2.598076,-0.000000>,0.300000
<-18.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,2.598076,-0.000000>,0.300000
<-19.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,1.732051,-0.000000>,0.300000
<-18.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,0.866025,-0.000000>,0.300000
<-19.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,-0.000000,-0.000000>,0.300000
<-20.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,-0.000000,-0.000000>,0.300000
<-20.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,0.866025,-0.000000>,0.300000
<-21.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,0.866025,-0.000000>,0.300000
<-22.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,-0.000000,-0.000000>,0.300000
<-23.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,-0.000000,-0.000000>,0.300000
<-23.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.500000,0.866025,-0.000000>,0.300000
<-23.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,1.732051,-0.000000>,0.300000
<-22.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,1.732051,-0.000000>,0.300000
<-21.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,2.598076,-0.000000>,0.300000
<-22.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,3.464102,-0.000000>,0.300000
<-21.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,4.330127,-0.000000>,0.300000
<-20.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,4.330127,-0.000000>,0.300000
<-20.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,3.464102,-0.000000>,0.300000
<-19.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,3.464102,-0.000000>,0.300000
<-18.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.500000,4.330127,-0.000000>,0.300000
<-19.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-19.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-19.000000,5.196152,-0.000000>,0.300000
<-20.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,5.196152,-0.000000>,0.300000
<-20.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,6.062178,-0.000000>,0.300000
<-20.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.000000,6.928203,-0.000000>,0.300000
<-20.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-20.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-20.500000,7.794229,-0.000000>,0.300000
<-21.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,7.794229,-0.000000>,0.300000
<-22.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,6.928203,-0.000000>,0.300000
<-23.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,6.928203,-0.000000>,0.300000
<-23.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.500000,7.794229,-0.000000>,0.300000
<-23.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,8.660254,-0.000000>,0.300000
<-22.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,8.660254,-0.000000>,0.300000
<-21.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-21.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-21.500000,9.526279,-0.000000>,0.300000
<-22.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-22.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-22.000000,10.392304,-0.000000>,0.300000
<-23.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,10.392304,-0.000000>,0.300000
<-23.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.500000,11.258330,-0.000000>,0.300000
<-23.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.000000,12.124355,-0.000000>,0.300000
<-23.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-23.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-23.500000,12.990381,-0.000000>,0.300000
<-24.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.500000,12.990381,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.500000,12.990381,-0.000000>,0.300000
<-25.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,12.124355,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,12.124355,-0.000000>,0.300000
<-24.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.500000,11.258330,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.500000,11.258330,-0.000000>,0.300000
<-25.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,10.392304,-0.000000>,0.300000
<-26.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,10.392304,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,10.392304,-0.000000>,0.300000
<-26.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.500000,9.526279,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.500000,9.526279,-0.000000>,0.300000
<-26.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,8.660254,-0.000000>,0.300000
<-25.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,8.660254,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,8.660254,-0.000000>,0.300000
<-24.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.500000,7.794229,-0.000000>,0.300000
<-25.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,6.928203,-0.000000>,0.300000
<-26.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,6.928203,-0.000000>,0.300000
<-26.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.500000,7.794229,-0.000000>,0.300000
<-27.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.500000,7.794229,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.500000,7.794229,-0.000000>,0.300000
<-28.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,6.928203,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,6.928203,-0.000000>,0.300000
<-27.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.500000,6.062178,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.500000,6.062178,-0.000000>,0.300000
<-28.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,5.196152,-0.000000>,0.300000
<-29.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,5.196152,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,5.196152,-0.000000>,0.300000
<-29.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.500000,4.330127,-0.000000>,0.300000
<-29.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,3.464102,-0.000000>,0.300000
<-28.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,3.464102,-0.000000>,0.300000
<-27.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.500000,4.330127,-0.000000>,0.300000
<-26.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.500000,4.330127,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.500000,4.330127,-0.000000>,0.300000
<-26.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,3.464102,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,3.464102,-0.000000>,0.300000
<-26.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.500000,2.598076,-0.000000>,0.300000
<-26.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,1.732051,-0.000000>,0.300000
<-25.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,1.732051,-0.000000>,0.300000
<-24.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-24.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-24.500000,0.866025,-0.000000>,0.300000
<-25.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-25.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-25.000000,-0.000000,-0.000000>,0.300000
<-26.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.000000,-0.000000,-0.000000>,0.300000
<-26.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-26.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-26.500000,0.866025,-0.000000>,0.300000
<-27.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-27.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-27.500000,0.866025,-0.000000>,0.300000
<-28.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-28.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-28.000000,-0.000000,-0.000000>,0.300000
<-29.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,-0.000000,-0.000000>,0.300000
<-29.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.500000,0.866025,-0.000000>,0.300000
<-29.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.000000,1.732051,-0.000000>,0.300000
<-29.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-29.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-29.500000,2.598076,-0.000000>,0.300000
<-30.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.500000,2.598076,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.500000,2.598076,-0.000000>,0.300000
<-31.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,1.732051,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,1.732051,-0.000000>,0.300000
<-30.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-30.500000,0.866025,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-30.500000,0.866025,-0.000000>,0.300000
<-31.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-31.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
cone {
<-31.000000,-0.000000,-0.000000>,0.300000
<-32.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-32.000000,-0.000000,-0.000000>,0.300000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 32.735760, 65.471519>
look_at   <0, 32.735760,  0>
}
