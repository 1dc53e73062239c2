#include "colors.inc"
light_source { <191.480652, 191.480652, 191.480652> color White}

cone {
<0.000000,0.000000,-0.000000>,0.100000
<0.000000,1.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,1.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,1.000000,-0.000000>,0.500000
<0.000000,2.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,2.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,2.000000,-0.000000>,0.500000
<0.000000,3.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,3.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,3.000000,-0.000000>,0.500000
<0.000000,4.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,4.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,4.000000,-0.000000>,0.500000
<0.000000,5.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,5.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,5.000000,-0.000000>,0.500000
<0.000000,6.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,6.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,6.000000,-0.000000>,0.500000
<0.000000,7.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,7.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,7.000000,-0.000000>,0.500000
<0.000000,8.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,8.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,8.000000,-0.000000>,0.500000
<0.000000,9.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,9.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,9.000000,-0.000000>,0.500000
<0.000000,10.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,10.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,10.000000,-0.000000>,0.500000
<0.000000,11.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,11.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,11.000000,-0.000000>,0.500000
<0.000000,12.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,12.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,12.000000,-0.000000>,0.500000
<0.000000,13.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,13.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,13.000000,-0.000000>,0.500000
<0.000000,14.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,14.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,14.000000,-0.000000>,0.500000
<0.000000,15.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,15.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,15.000000,-0.000000>,0.500000
<0.000000,16.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,16.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.500000
<-0.382683,16.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,16.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,16.923880,-0.000000>,0.500000
<-0.765367,17.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,17.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,17.847759,-0.000000>,0.500000
<-1.148050,18.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,18.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,18.771639,-0.000000>,0.500000
<-1.530734,19.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,19.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,19.695518,-0.000000>,0.500000
<-1.913417,20.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,20.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,20.619398,-0.000000>,0.500000
<-2.296101,21.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,21.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,21.543278,-0.000000>,0.500000
<-2.678784,22.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,22.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,22.467157,-0.000000>,0.500000
<-3.061467,23.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,23.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,23.391037,-0.000000>,0.500000
<-3.768574,24.098143,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,24.098143,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,24.098143,-0.000000>,0.500000
<-4.475681,24.805250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,24.805250,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,24.805250,-0.000000>,0.500000
<-5.182788,25.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,25.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,25.512356,-0.000000>,0.500000
<-5.889894,26.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,26.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,26.219463,-0.000000>,0.500000
<-6.813774,26.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.813774,26.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.813774,26.602146,-0.000000>,0.500000
<-7.737654,26.984831,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.737654,26.984831,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,26.984831,-0.000000>,0.500000
<-8.737654,26.984831,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.737654,26.984831,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.737654,26.984831,-0.000000>,0.500000
<-9.737654,26.984831,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.737654,26.984831,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.737654,26.984831,-0.000000>,0.500000
<-10.661533,27.367514,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.661533,27.367514,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,26.984831,-0.000000>,0.500000
<-8.661533,27.367514,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.661533,27.367514,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.661533,27.367514,-0.000000>,0.500000
<-9.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585413,27.750196,-0.000000>,0.500000
<-10.292520,28.457304,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.292520,28.457304,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,26.984831,-0.000000>,0.500000
<-8.661533,27.367514,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.661533,27.367514,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.661533,27.367514,-0.000000>,0.500000
<-9.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585413,27.750196,-0.000000>,0.500000
<-10.292520,28.457304,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.292520,28.457304,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.292520,28.457304,-0.000000>,0.500000
<-10.999626,29.164412,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.999626,29.164412,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.999626,29.164412,-0.000000>,0.500000
<-11.706733,29.871517,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.706733,29.871517,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.706733,29.871517,-0.000000>,0.500000
<-12.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.500000
<-12.796523,31.502504,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.796523,31.502504,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585413,27.750196,-0.000000>,0.500000
<-10.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.585413,27.750196,-0.000000>,0.500000
<-11.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.585413,27.750196,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.585413,27.750196,-0.000000>,0.500000
<-12.509293,28.132881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.509293,28.132881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,26.219463,-0.000000>,0.500000
<-6.597002,26.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.597002,26.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,26.926571,-0.000000>,0.500000
<-7.304108,27.633677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.304108,27.633677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,27.633677,-0.000000>,0.500000
<-8.227987,28.016361,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.227987,28.016361,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.227987,28.016361,-0.000000>,0.500000
<-9.151867,28.399044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.151867,28.399044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.151867,28.399044,-0.000000>,0.500000
<-9.858974,29.106150,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.858974,29.106150,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,27.633677,-0.000000>,0.500000
<-8.011215,28.340784,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,28.340784,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,28.340784,-0.000000>,0.500000
<-8.718322,29.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,29.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.500000
<-9.101006,29.971769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,29.971769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,27.633677,-0.000000>,0.500000
<-8.011215,28.340784,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,28.340784,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,28.340784,-0.000000>,0.500000
<-8.718322,29.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,29.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.500000
<-9.101006,29.971769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,29.971769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,29.971769,-0.000000>,0.500000
<-9.483688,30.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,30.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,30.895649,-0.000000>,0.500000
<-9.866372,31.819529,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,31.819529,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,31.819529,-0.000000>,0.500000
<-10.249056,32.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,32.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,32.743408,-0.000000>,0.500000
<-10.249056,33.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,33.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.500000
<-9.642201,29.430574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,29.430574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,29.430574,-0.000000>,0.500000
<-10.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.500000
<-11.273188,30.520365,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,30.520365,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,26.219463,-0.000000>,0.500000
<-6.597002,26.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.597002,26.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,26.926571,-0.000000>,0.500000
<-7.304108,27.633677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.304108,27.633677,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,27.633677,-0.000000>,0.500000
<-8.011215,28.340784,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,28.340784,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,28.340784,-0.000000>,0.500000
<-8.718322,29.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,29.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.500000
<-9.101006,29.971769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,29.971769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,29.971769,-0.000000>,0.500000
<-9.483688,30.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,30.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,30.895649,-0.000000>,0.500000
<-9.866372,31.819529,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,31.819529,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,31.819529,-0.000000>,0.500000
<-10.249056,32.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,32.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,32.743408,-0.000000>,0.500000
<-10.631739,33.667290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,33.667290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.631739,33.667290,-0.000000>,0.500000
<-11.014422,34.591167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.014422,34.591167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,34.591167,-0.000000>,0.500000
<-11.721529,35.298275,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.721529,35.298275,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.721529,35.298275,-0.000000>,0.500000
<-12.428636,36.005383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428636,36.005383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428636,36.005383,-0.000000>,0.500000
<-12.811319,36.929260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.811319,36.929260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,34.591167,-0.000000>,0.500000
<-11.397106,35.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,35.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.397106,35.515049,-0.000000>,0.500000
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-11.779789,37.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,37.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,34.591167,-0.000000>,0.500000
<-11.397106,35.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,35.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.397106,35.515049,-0.000000>,0.500000
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-11.779789,37.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,37.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,37.438927,-0.000000>,0.500000
<-11.779789,38.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,38.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,38.438927,-0.000000>,0.500000
<-11.779789,39.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,39.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,39.438927,-0.000000>,0.500000
<-11.779789,40.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,40.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,40.438927,-0.000000>,0.500000
<-11.397106,41.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,41.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-12.486896,37.146034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.486896,37.146034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.486896,37.146034,-0.000000>,0.500000
<-13.194003,37.853142,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.194003,37.853142,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.194003,37.853142,-0.000000>,0.500000
<-13.576686,38.777020,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.576686,38.777020,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,29.047890,-0.000000>,0.500000
<-9.642201,29.430574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,29.430574,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,29.430574,-0.000000>,0.500000
<-10.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.500000
<-11.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.566081,29.813257,-0.000000>,0.500000
<-12.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.566081,29.813257,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.566081,29.813257,-0.000000>,0.500000
<-13.489961,30.195940,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.489961,30.195940,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.500000
<-11.489961,30.195940,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,30.195940,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,30.195940,-0.000000>,0.500000
<-12.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.500000
<-13.120947,31.285730,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,31.285730,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,29.813257,-0.000000>,0.500000
<-11.489961,30.195940,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,30.195940,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,30.195940,-0.000000>,0.500000
<-12.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.500000
<-13.120947,31.285730,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,31.285730,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.120947,31.285730,-0.000000>,0.500000
<-13.828053,31.992838,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.828053,31.992838,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,31.992838,-0.000000>,0.500000
<-14.535160,32.699944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.535160,32.699944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.535160,32.699944,-0.000000>,0.500000
<-15.242267,33.407051,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.242267,33.407051,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,33.407051,-0.000000>,0.500000
<-15.624950,34.330933,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.624950,34.330933,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,30.578625,-0.000000>,0.500000
<-13.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.413840,30.578625,-0.000000>,0.500000
<-14.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.413840,30.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.413840,30.578625,-0.000000>,0.500000
<-15.337719,30.961308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.337719,30.961308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,23.391037,-0.000000>,0.500000
<-3.444151,24.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,24.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,24.314917,-0.000000>,0.500000
<-3.826834,25.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,25.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,25.238796,-0.000000>,0.500000
<-4.209518,26.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,26.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,26.162674,-0.000000>,0.500000
<-4.592201,27.086554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,27.086554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,27.086554,-0.000000>,0.500000
<-5.299308,27.793661,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.299308,27.793661,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.299308,27.793661,-0.000000>,0.500000
<-6.006415,28.500769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,28.500769,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,28.500769,-0.000000>,0.500000
<-6.930295,28.883451,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.930295,28.883451,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.930295,28.883451,-0.000000>,0.500000
<-7.854174,29.266134,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.854174,29.266134,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.854174,29.266134,-0.000000>,0.500000
<-8.561280,29.973242,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.561280,29.973242,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,28.500769,-0.000000>,0.500000
<-6.713521,29.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,29.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,29.207874,-0.000000>,0.500000
<-7.420629,29.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,29.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,29.914982,-0.000000>,0.500000
<-7.803312,30.838861,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,30.838861,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,28.500769,-0.000000>,0.500000
<-6.713521,29.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,29.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,29.207874,-0.000000>,0.500000
<-7.420629,29.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,29.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,29.914982,-0.000000>,0.500000
<-7.803312,30.838861,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,30.838861,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803312,30.838861,-0.000000>,0.500000
<-8.185995,31.762741,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.185995,31.762741,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.185995,31.762741,-0.000000>,0.500000
<-8.568679,32.686619,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.568679,32.686619,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.568679,32.686619,-0.000000>,0.500000
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-8.951362,34.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,34.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,29.914982,-0.000000>,0.500000
<-8.344508,30.297665,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.344508,30.297665,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.344508,30.297665,-0.000000>,0.500000
<-9.268388,30.680347,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.268388,30.680347,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.268388,30.680347,-0.000000>,0.500000
<-9.975494,31.387455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.975494,31.387455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,27.086554,-0.000000>,0.500000
<-4.974885,28.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,28.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,28.010433,-0.000000>,0.500000
<-5.357568,28.934313,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,28.934313,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,28.934313,-0.000000>,0.500000
<-6.064675,29.641420,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.064675,29.641420,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.064675,29.641420,-0.000000>,0.500000
<-6.771781,30.348528,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.771781,30.348528,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.771781,30.348528,-0.000000>,0.500000
<-7.154465,31.272406,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.154465,31.272406,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,28.934313,-0.000000>,0.500000
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,29.858192,-0.000000>,0.500000
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,28.934313,-0.000000>,0.500000
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,29.858192,-0.000000>,0.500000
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,31.782072,-0.000000>,0.500000
<-6.122935,32.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,32.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,32.782074,-0.000000>,0.500000
<-6.122935,33.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,33.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,33.782074,-0.000000>,0.500000
<-6.122935,34.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,34.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,34.782074,-0.000000>,0.500000
<-5.740252,35.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,35.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.830042,31.489180,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,31.489180,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,31.489180,-0.000000>,0.500000
<-7.537148,32.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,32.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,32.196285,-0.000000>,0.500000
<-7.919832,33.120167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.919832,33.120167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,27.086554,-0.000000>,0.500000
<-4.974885,28.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,28.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,28.010433,-0.000000>,0.500000
<-5.357568,28.934313,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,28.934313,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,28.934313,-0.000000>,0.500000
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,29.858192,-0.000000>,0.500000
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,31.782072,-0.000000>,0.500000
<-6.122935,32.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,32.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,32.782074,-0.000000>,0.500000
<-6.122935,33.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,33.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,33.782074,-0.000000>,0.500000
<-6.122935,34.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,34.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,34.782074,-0.000000>,0.500000
<-6.122935,35.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,35.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,35.782074,-0.000000>,0.500000
<-6.122935,36.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,36.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,36.782074,-0.000000>,0.500000
<-6.505619,37.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,37.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,37.705952,-0.000000>,0.500000
<-6.888302,38.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,38.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,38.629833,-0.000000>,0.500000
<-6.888302,39.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,39.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,36.782074,-0.000000>,0.500000
<-6.122935,37.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,37.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,37.782074,-0.000000>,0.500000
<-6.122935,38.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,38.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,38.782074,-0.000000>,0.500000
<-5.740252,39.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,39.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,36.782074,-0.000000>,0.500000
<-6.122935,37.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,37.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,37.782074,-0.000000>,0.500000
<-6.122935,38.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,38.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,38.782074,-0.000000>,0.500000
<-5.740252,39.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,39.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,39.705952,-0.000000>,0.500000
<-5.357568,40.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,40.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,40.629833,-0.000000>,0.500000
<-4.974885,41.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,41.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,41.553711,-0.000000>,0.500000
<-4.592201,42.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,42.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,42.477592,-0.000000>,0.500000
<-3.885094,43.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.885094,43.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,38.782074,-0.000000>,0.500000
<-6.505619,39.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,39.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,39.705952,-0.000000>,0.500000
<-6.888302,40.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,40.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,40.629833,-0.000000>,0.500000
<-6.888302,41.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,41.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.830042,31.489180,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,31.489180,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,31.489180,-0.000000>,0.500000
<-7.537148,32.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,32.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,32.196285,-0.000000>,0.500000
<-8.461028,32.578968,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.461028,32.578968,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.461028,32.578968,-0.000000>,0.500000
<-9.384908,32.961655,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.384908,32.961655,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.384908,32.961655,-0.000000>,0.500000
<-10.092014,33.668758,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.092014,33.668758,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,32.196285,-0.000000>,0.500000
<-8.244255,32.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,32.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244255,32.903393,-0.000000>,0.500000
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-9.334045,34.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.334045,34.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,32.196285,-0.000000>,0.500000
<-8.244255,32.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,32.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244255,32.903393,-0.000000>,0.500000
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-9.334045,34.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.334045,34.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.334045,34.534378,-0.000000>,0.500000
<-9.716729,35.458260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.716729,35.458260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.716729,35.458260,-0.000000>,0.500000
<-10.099412,36.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.099412,36.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.099412,36.382137,-0.000000>,0.500000
<-10.482096,37.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.482096,37.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.482096,37.306019,-0.000000>,0.500000
<-10.482096,38.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.482096,38.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-9.875241,33.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.875241,33.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.875241,33.993183,-0.000000>,0.500000
<-10.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,34.375866,-0.000000>,0.500000
<-11.506227,35.082973,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.506227,35.082973,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,23.391037,-0.000000>,0.500000
<-3.444151,24.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,24.314917,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,24.314917,-0.000000>,0.500000
<-3.826834,25.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,25.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,25.238796,-0.000000>,0.500000
<-4.209518,26.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,26.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,26.162674,-0.000000>,0.500000
<-4.592201,27.086554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,27.086554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,27.086554,-0.000000>,0.500000
<-4.974885,28.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,28.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,28.010433,-0.000000>,0.500000
<-5.357568,28.934313,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,28.934313,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,28.934313,-0.000000>,0.500000
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,29.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,29.858192,-0.000000>,0.500000
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,30.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,31.782072,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,31.782072,-0.000000>,0.500000
<-6.122935,32.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,32.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,32.782074,-0.000000>,0.500000
<-6.122935,33.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,33.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,33.782074,-0.000000>,0.500000
<-6.122935,34.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,34.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,34.782074,-0.000000>,0.500000
<-6.122935,35.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,35.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,35.782074,-0.000000>,0.500000
<-6.122935,36.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,36.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,36.782074,-0.000000>,0.500000
<-6.122935,37.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,37.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,37.782074,-0.000000>,0.500000
<-6.122935,38.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,38.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,38.782074,-0.000000>,0.500000
<-6.122935,39.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,39.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,39.782074,-0.000000>,0.500000
<-6.122935,40.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,40.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,40.782074,-0.000000>,0.500000
<-6.122935,41.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,41.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,41.782074,-0.000000>,0.500000
<-6.122935,42.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,42.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,42.782074,-0.000000>,0.500000
<-6.505619,43.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,43.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,43.705952,-0.000000>,0.500000
<-6.888302,44.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,44.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,44.629833,-0.000000>,0.500000
<-7.595408,45.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.595408,45.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.595408,45.336937,-0.000000>,0.500000
<-8.302515,46.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.302515,46.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.302515,46.044044,-0.000000>,0.500000
<-8.685199,46.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.685199,46.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,44.629833,-0.000000>,0.500000
<-7.270985,45.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,45.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,45.553711,-0.000000>,0.500000
<-7.653669,46.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,46.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,46.477592,-0.000000>,0.500000
<-7.653669,47.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,47.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,44.629833,-0.000000>,0.500000
<-7.270985,45.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,45.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,45.553711,-0.000000>,0.500000
<-7.653669,46.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,46.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,46.477592,-0.000000>,0.500000
<-7.653669,47.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,47.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,47.477592,-0.000000>,0.500000
<-7.653669,48.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,48.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,48.477592,-0.000000>,0.500000
<-7.653669,49.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,49.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,49.477592,-0.000000>,0.500000
<-7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,50.477592,-0.000000>,0.500000
<-7.270985,51.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,51.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,46.477592,-0.000000>,0.500000
<-8.360775,47.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.360775,47.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.360775,47.184696,-0.000000>,0.500000
<-9.067883,47.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.067883,47.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.067883,47.891804,-0.000000>,0.500000
<-9.450565,48.815685,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,48.815685,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,42.782074,-0.000000>,0.500000
<-6.122935,43.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,43.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,43.782074,-0.000000>,0.500000
<-6.122935,44.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,44.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,44.782074,-0.000000>,0.500000
<-6.505619,45.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,45.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,45.705952,-0.000000>,0.500000
<-6.888302,46.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,46.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,46.629833,-0.000000>,0.500000
<-6.888302,47.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,47.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,44.782074,-0.000000>,0.500000
<-6.122935,45.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,45.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,45.782074,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-5.740252,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,44.782074,-0.000000>,0.500000
<-6.122935,45.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,45.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,45.782074,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-5.740252,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,47.705952,-0.000000>,0.500000
<-5.357568,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,48.629833,-0.000000>,0.500000
<-4.974885,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,49.553711,-0.000000>,0.500000
<-4.592201,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,50.477592,-0.000000>,0.500000
<-3.885094,51.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.885094,51.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.505619,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,47.705952,-0.000000>,0.500000
<-6.888302,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,48.629833,-0.000000>,0.500000
<-6.888302,49.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,49.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,42.782074,-0.000000>,0.500000
<-6.122935,43.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,43.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,43.782074,-0.000000>,0.500000
<-6.122935,44.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,44.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,44.782074,-0.000000>,0.500000
<-6.122935,45.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,45.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,45.782074,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-5.740252,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,47.705952,-0.000000>,0.500000
<-5.357568,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,48.629833,-0.000000>,0.500000
<-4.974885,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,49.553711,-0.000000>,0.500000
<-4.592201,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,50.477592,-0.000000>,0.500000
<-4.209518,51.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,51.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,51.401470,-0.000000>,0.500000
<-3.826834,52.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,52.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,52.325348,-0.000000>,0.500000
<-3.826834,53.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,53.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,53.325348,-0.000000>,0.500000
<-3.826834,54.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,54.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,54.325348,-0.000000>,0.500000
<-3.444151,55.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,55.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,52.325348,-0.000000>,0.500000
<-3.444151,53.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,53.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,53.249229,-0.000000>,0.500000
<-3.061467,54.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,54.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,54.173107,-0.000000>,0.500000
<-2.354361,54.880215,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.354361,54.880215,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,52.325348,-0.000000>,0.500000
<-3.444151,53.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,53.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,53.249229,-0.000000>,0.500000
<-3.061467,54.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,54.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,54.173107,-0.000000>,0.500000
<-2.354361,54.880215,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.354361,54.880215,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.354361,54.880215,-0.000000>,0.500000
<-1.647254,55.587322,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.647254,55.587322,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.647254,55.587322,-0.000000>,0.500000
<-0.940147,56.294430,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.940147,56.294430,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.940147,56.294430,-0.000000>,0.500000
<-0.233040,57.001537,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.233040,57.001537,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.233040,57.001537,-0.000000>,0.500000
<0.690839,57.384220,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.690839,57.384220,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,54.173107,-0.000000>,0.500000
<-3.061467,55.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,55.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,55.173107,-0.000000>,0.500000
<-3.061467,56.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,56.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,56.173107,-0.000000>,0.500000
<-2.678784,57.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,57.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.505619,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,47.705952,-0.000000>,0.500000
<-6.888302,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,48.629833,-0.000000>,0.500000
<-7.595408,49.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.595408,49.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.595408,49.336937,-0.000000>,0.500000
<-8.302515,50.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.302515,50.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.302515,50.044044,-0.000000>,0.500000
<-8.685199,50.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.685199,50.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,48.629833,-0.000000>,0.500000
<-7.270985,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,49.553711,-0.000000>,0.500000
<-7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,50.477592,-0.000000>,0.500000
<-7.653669,51.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,51.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,48.629833,-0.000000>,0.500000
<-7.270985,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,49.553711,-0.000000>,0.500000
<-7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,50.477592,-0.000000>,0.500000
<-7.653669,51.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,51.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,51.477592,-0.000000>,0.500000
<-7.653669,52.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,52.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,52.477592,-0.000000>,0.500000
<-7.653669,53.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,53.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,53.477592,-0.000000>,0.500000
<-7.653669,54.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,54.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,54.477592,-0.000000>,0.500000
<-7.270985,55.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,55.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,50.477592,-0.000000>,0.500000
<-8.360775,51.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.360775,51.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.360775,51.184696,-0.000000>,0.500000
<-9.067883,51.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.067883,51.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.067883,51.891804,-0.000000>,0.500000
<-9.450565,52.815685,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,52.815685,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,30.782072,-0.000000>,0.500000
<-6.830042,31.489180,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,31.489180,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,31.489180,-0.000000>,0.500000
<-7.537148,32.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,32.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,32.196285,-0.000000>,0.500000
<-8.244255,32.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,32.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244255,32.903393,-0.000000>,0.500000
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,33.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-9.875241,33.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.875241,33.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.875241,33.993183,-0.000000>,0.500000
<-10.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,34.375866,-0.000000>,0.500000
<-11.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.799121,34.375866,-0.000000>,0.500000
<-12.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.799121,34.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.799121,34.375866,-0.000000>,0.500000
<-13.723001,34.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.723001,34.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,34.375866,-0.000000>,0.500000
<-11.723001,34.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.723001,34.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.723001,34.758549,-0.000000>,0.500000
<-12.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.646880,35.141232,-0.000000>,0.500000
<-13.353987,35.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.353987,35.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,34.375866,-0.000000>,0.500000
<-11.723001,34.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.723001,34.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.723001,34.758549,-0.000000>,0.500000
<-12.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.646880,35.141232,-0.000000>,0.500000
<-13.353987,35.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.353987,35.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.353987,35.848339,-0.000000>,0.500000
<-14.061093,36.555447,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.061093,36.555447,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.061093,36.555447,-0.000000>,0.500000
<-14.768201,37.262554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.768201,37.262554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.768201,37.262554,-0.000000>,0.500000
<-15.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,37.969662,-0.000000>,0.500000
<-15.857990,38.893539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.857990,38.893539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.646880,35.141232,-0.000000>,0.500000
<-13.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.646880,35.141232,-0.000000>,0.500000
<-14.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.646880,35.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.646880,35.141232,-0.000000>,0.500000
<-15.570760,35.523918,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.570760,35.523918,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-9.658469,34.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.658469,34.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.658469,34.317608,-0.000000>,0.500000
<-10.365576,35.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.365576,35.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,35.024712,-0.000000>,0.500000
<-11.289455,35.407398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.289455,35.407398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.289455,35.407398,-0.000000>,0.500000
<-12.213335,35.790081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.213335,35.790081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.213335,35.790081,-0.000000>,0.500000
<-12.920442,36.497189,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.920442,36.497189,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,35.024712,-0.000000>,0.500000
<-11.072682,35.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072682,35.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.072682,35.731819,-0.000000>,0.500000
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-12.162473,37.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.162473,37.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,35.024712,-0.000000>,0.500000
<-11.072682,35.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072682,35.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.072682,35.731819,-0.000000>,0.500000
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-12.162473,37.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.162473,37.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.162473,37.362804,-0.000000>,0.500000
<-12.545156,38.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.545156,38.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.545156,38.286686,-0.000000>,0.500000
<-12.927839,39.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.927839,39.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.927839,39.210564,-0.000000>,0.500000
<-13.310523,40.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.310523,40.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.310523,40.134445,-0.000000>,0.500000
<-13.310523,41.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.310523,41.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-12.703669,36.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.703669,36.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.703669,36.821609,-0.000000>,0.500000
<-13.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,37.204292,-0.000000>,0.500000
<-14.334655,37.911400,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.334655,37.911400,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,33.610500,-0.000000>,0.500000
<-9.658469,34.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.658469,34.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.658469,34.317608,-0.000000>,0.500000
<-10.365576,35.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.365576,35.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,35.024712,-0.000000>,0.500000
<-11.072682,35.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072682,35.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.072682,35.731819,-0.000000>,0.500000
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,36.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-12.162473,37.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.162473,37.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.162473,37.362804,-0.000000>,0.500000
<-12.545156,38.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.545156,38.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.545156,38.286686,-0.000000>,0.500000
<-12.927839,39.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.927839,39.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.927839,39.210564,-0.000000>,0.500000
<-13.310523,40.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.310523,40.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.310523,40.134445,-0.000000>,0.500000
<-13.693207,41.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.693207,41.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.693207,41.058323,-0.000000>,0.500000
<-14.075890,41.982204,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.075890,41.982204,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,41.982204,-0.000000>,0.500000
<-14.782996,42.689312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.782996,42.689312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.782996,42.689312,-0.000000>,0.500000
<-15.490104,43.396416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.490104,43.396416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.490104,43.396416,-0.000000>,0.500000
<-15.872787,44.320297,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.872787,44.320297,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,41.982204,-0.000000>,0.500000
<-14.458573,42.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.458573,42.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.458573,42.906082,-0.000000>,0.500000
<-14.841257,43.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,43.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,43.829964,-0.000000>,0.500000
<-14.841257,44.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,44.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,41.982204,-0.000000>,0.500000
<-14.458573,42.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.458573,42.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.458573,42.906082,-0.000000>,0.500000
<-14.841257,43.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,43.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,43.829964,-0.000000>,0.500000
<-14.841257,44.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,44.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,44.829964,-0.000000>,0.500000
<-14.841257,45.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,45.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,45.829964,-0.000000>,0.500000
<-14.841257,46.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,46.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,46.829964,-0.000000>,0.500000
<-14.841257,47.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,47.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,47.829964,-0.000000>,0.500000
<-14.458573,48.753841,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.458573,48.753841,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,43.829964,-0.000000>,0.500000
<-15.548364,44.537071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.548364,44.537071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.548364,44.537071,-0.000000>,0.500000
<-16.255470,45.244175,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.255470,45.244175,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.255470,45.244175,-0.000000>,0.500000
<-16.638153,46.168056,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.638153,46.168056,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,36.438927,-0.000000>,0.500000
<-12.703669,36.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.703669,36.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.703669,36.821609,-0.000000>,0.500000
<-13.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,37.204292,-0.000000>,0.500000
<-14.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.627548,37.204292,-0.000000>,0.500000
<-15.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.627548,37.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.627548,37.204292,-0.000000>,0.500000
<-16.551428,37.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.551428,37.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,37.204292,-0.000000>,0.500000
<-14.551428,37.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.551428,37.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.551428,37.586979,-0.000000>,0.500000
<-15.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,37.969662,-0.000000>,0.500000
<-16.182415,38.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.182415,38.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,37.204292,-0.000000>,0.500000
<-14.551428,37.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.551428,37.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.551428,37.586979,-0.000000>,0.500000
<-15.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,37.969662,-0.000000>,0.500000
<-16.182415,38.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.182415,38.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.182415,38.676765,-0.000000>,0.500000
<-16.889521,39.383873,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.889521,39.383873,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.889521,39.383873,-0.000000>,0.500000
<-17.596628,40.090981,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.596628,40.090981,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.596628,40.090981,-0.000000>,0.500000
<-18.303734,40.798088,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.303734,40.798088,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.303734,40.798088,-0.000000>,0.500000
<-18.686419,41.721966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.686419,41.721966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,37.969662,-0.000000>,0.500000
<-16.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.475307,37.969662,-0.000000>,0.500000
<-17.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.475307,37.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.475307,37.969662,-0.000000>,0.500000
<-18.399187,38.352345,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.399187,38.352345,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.500000
<0.000000,17.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.500000
<0.000000,18.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.500000
<0.000000,19.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.500000
<0.000000,20.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.500000
<0.000000,21.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.500000
<0.000000,22.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.500000
<0.000000,23.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.500000
<0.000000,24.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.500000
<-0.382683,24.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,24.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,24.923880,-0.000000>,0.500000
<-0.765367,25.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,25.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,25.847759,-0.000000>,0.500000
<-1.148050,26.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,26.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,26.771639,-0.000000>,0.500000
<-1.530734,27.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,27.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.500000
<-2.237840,28.402624,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,28.402624,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,28.402624,-0.000000>,0.500000
<-2.944947,29.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,29.109732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,29.109732,-0.000000>,0.500000
<-3.868827,29.492414,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.868827,29.492414,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.868827,29.492414,-0.000000>,0.500000
<-4.792706,29.875099,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.792706,29.875099,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.792706,29.875099,-0.000000>,0.500000
<-5.499813,30.582205,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.499813,30.582205,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,29.109732,-0.000000>,0.500000
<-3.652054,29.816839,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,29.816839,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,29.816839,-0.000000>,0.500000
<-4.359161,30.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,30.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,30.523945,-0.000000>,0.500000
<-4.741844,31.447824,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,31.447824,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,29.109732,-0.000000>,0.500000
<-3.652054,29.816839,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,29.816839,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,29.816839,-0.000000>,0.500000
<-4.359161,30.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,30.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,30.523945,-0.000000>,0.500000
<-4.741844,31.447824,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,31.447824,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,31.447824,-0.000000>,0.500000
<-5.124528,32.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,32.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,32.371704,-0.000000>,0.500000
<-5.507211,33.295586,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507211,33.295586,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507211,33.295586,-0.000000>,0.500000
<-5.889894,34.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,34.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,34.219463,-0.000000>,0.500000
<-5.889894,35.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,35.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,30.523945,-0.000000>,0.500000
<-5.283041,30.906630,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,30.906630,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,30.906630,-0.000000>,0.500000
<-6.206920,31.289312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.206920,31.289312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,31.289312,-0.000000>,0.500000
<-6.914027,31.996418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.914027,31.996418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.500000
<-1.913417,28.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,28.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,28.619398,-0.000000>,0.500000
<-2.296101,29.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.500000
<-3.003207,30.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,30.250383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,30.250383,-0.000000>,0.500000
<-3.710314,30.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,30.957491,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,30.957491,-0.000000>,0.500000
<-4.092998,31.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,31.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.500000
<-2.678784,30.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,30.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,30.467157,-0.000000>,0.500000
<-3.061467,31.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,31.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.500000
<-3.061467,32.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,32.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.500000
<-2.678784,30.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,30.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,30.467157,-0.000000>,0.500000
<-3.061467,31.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,31.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.500000
<-3.061467,32.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,32.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,32.391037,-0.000000>,0.500000
<-3.061467,33.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,33.391037,-0.000000>,0.500000
<-3.061467,34.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,34.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,34.391037,-0.000000>,0.500000
<-3.061467,35.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,35.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,35.391037,-0.000000>,0.500000
<-2.678784,36.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,36.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.500000
<-3.768574,32.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,32.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,32.098145,-0.000000>,0.500000
<-4.475681,32.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,32.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,32.805248,-0.000000>,0.500000
<-4.858365,33.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,33.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,27.695518,-0.000000>,0.500000
<-1.913417,28.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,28.619398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,28.619398,-0.000000>,0.500000
<-2.296101,29.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,29.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,29.543278,-0.000000>,0.500000
<-2.678784,30.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,30.467157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,30.467157,-0.000000>,0.500000
<-3.061467,31.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,31.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.500000
<-3.061467,32.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,32.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,32.391037,-0.000000>,0.500000
<-3.061467,33.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,33.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,33.391037,-0.000000>,0.500000
<-3.061467,34.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,34.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,34.391037,-0.000000>,0.500000
<-3.061467,35.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,35.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,35.391037,-0.000000>,0.500000
<-3.061467,36.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,36.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,36.391037,-0.000000>,0.500000
<-3.061467,37.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,37.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,37.391037,-0.000000>,0.500000
<-3.444151,38.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,38.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,38.314915,-0.000000>,0.500000
<-3.826834,39.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,39.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,39.238796,-0.000000>,0.500000
<-3.826834,40.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,40.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,37.391037,-0.000000>,0.500000
<-3.061467,38.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,38.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,38.391037,-0.000000>,0.500000
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-2.678784,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,37.391037,-0.000000>,0.500000
<-3.061467,38.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,38.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,38.391037,-0.000000>,0.500000
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-2.678784,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,40.314915,-0.000000>,0.500000
<-2.296101,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,41.238796,-0.000000>,0.500000
<-1.913417,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,42.162674,-0.000000>,0.500000
<-1.530734,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,43.086555,-0.000000>,0.500000
<-0.823627,43.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.823627,43.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,40.314915,-0.000000>,0.500000
<-3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,41.238796,-0.000000>,0.500000
<-3.826834,42.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,42.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,31.391037,-0.000000>,0.500000
<-3.768574,32.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,32.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,32.098145,-0.000000>,0.500000
<-4.475681,32.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,32.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,32.805248,-0.000000>,0.500000
<-5.399560,33.187935,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.399560,33.187935,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.399560,33.187935,-0.000000>,0.500000
<-6.323440,33.570618,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.323440,33.570618,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.323440,33.570618,-0.000000>,0.500000
<-7.030547,34.277725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.030547,34.277725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,32.805248,-0.000000>,0.500000
<-5.182788,33.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,33.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,33.512356,-0.000000>,0.500000
<-5.889894,34.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,34.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,34.219463,-0.000000>,0.500000
<-6.272578,35.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.272578,35.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,32.805248,-0.000000>,0.500000
<-5.182788,33.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,33.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,33.512356,-0.000000>,0.500000
<-5.889894,34.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,34.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,34.219463,-0.000000>,0.500000
<-6.272578,35.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.272578,35.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.272578,35.143341,-0.000000>,0.500000
<-6.655262,36.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,36.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655262,36.067223,-0.000000>,0.500000
<-7.037945,36.991100,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.037945,36.991100,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.037945,36.991100,-0.000000>,0.500000
<-7.420629,37.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,37.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,37.914982,-0.000000>,0.500000
<-7.420629,38.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,38.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,34.219463,-0.000000>,0.500000
<-6.813774,34.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.813774,34.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.813774,34.602146,-0.000000>,0.500000
<-7.737654,34.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.737654,34.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,34.984829,-0.000000>,0.500000
<-8.444760,35.691936,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.444760,35.691936,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.500000
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.500000
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.500000
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.500000
<-0.382683,28.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,28.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,28.923880,-0.000000>,0.500000
<-0.765367,29.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,29.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,29.847759,-0.000000>,0.500000
<-1.472474,30.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,30.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,30.554867,-0.000000>,0.500000
<-2.179580,31.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,31.261972,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,31.261972,-0.000000>,0.500000
<-2.562264,32.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,32.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,29.847759,-0.000000>,0.500000
<-1.148050,30.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,30.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,30.771639,-0.000000>,0.500000
<-1.530734,31.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,31.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,31.695518,-0.000000>,0.500000
<-1.530734,32.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,32.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,29.847759,-0.000000>,0.500000
<-1.148050,30.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,30.771639,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,30.771639,-0.000000>,0.500000
<-1.530734,31.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,31.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,31.695518,-0.000000>,0.500000
<-1.530734,32.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,32.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,32.695518,-0.000000>,0.500000
<-1.530734,33.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,33.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,33.695518,-0.000000>,0.500000
<-1.530734,34.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,34.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,34.695518,-0.000000>,0.500000
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-1.148050,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,31.695518,-0.000000>,0.500000
<-2.237840,32.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,32.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,32.402626,-0.000000>,0.500000
<-2.944947,33.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,33.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,33.109734,-0.000000>,0.500000
<-3.327631,34.033611,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,34.033611,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.500000
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.500000
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<-0.382683,30.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,30.923880,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,30.923880,-0.000000>,0.500000
<-0.765367,31.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,31.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,31.847759,-0.000000>,0.500000
<-0.765367,32.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,32.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,32.923878,-0.000000>,0.500000
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,33.847759,-0.000000>,0.500000
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,34.771637,-0.000000>,0.500000
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.695518,-0.000000>,0.500000
<2.237840,36.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.237840,36.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,32.923878,-0.000000>,0.500000
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,33.847759,-0.000000>,0.500000
<-0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,34.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.500000
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.500000
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,32.923878,-0.000000>,0.500000
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,33.847759,-0.000000>,0.500000
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,34.771637,-0.000000>,0.500000
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.695518,-0.000000>,0.500000
<1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,36.619396,-0.000000>,0.500000
<2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.543278,-0.000000>,0.500000
<2.296101,38.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,38.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,38.543278,-0.000000>,0.500000
<2.296101,39.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,39.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,39.543278,-0.000000>,0.500000
<2.678784,40.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,40.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.543278,-0.000000>,0.500000
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,38.467155,-0.000000>,0.500000
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,39.391037,-0.000000>,0.500000
<3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.543278,-0.000000>,0.500000
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,38.467155,-0.000000>,0.500000
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,39.391037,-0.000000>,0.500000
<3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.768574,40.098145,-0.000000>,0.500000
<4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.475681,40.805248,-0.000000>,0.500000
<5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.182788,41.512356,-0.000000>,0.500000
<5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.889894,42.219463,-0.000000>,0.500000
<6.813774,42.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.813774,42.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,39.391037,-0.000000>,0.500000
<3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,40.391037,-0.000000>,0.500000
<3.061467,41.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,41.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,41.391037,-0.000000>,0.500000
<3.444151,42.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,42.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,32.923878,-0.000000>,0.500000
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,33.847759,-0.000000>,0.500000
<-1.472474,34.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.472474,34.554867,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.472474,34.554867,-0.000000>,0.500000
<-2.179580,35.261974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.179580,35.261974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.179580,35.261974,-0.000000>,0.500000
<-2.562264,36.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.562264,36.185852,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,33.847759,-0.000000>,0.500000
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,34.771637,-0.000000>,0.500000
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-1.530734,36.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,36.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,33.847759,-0.000000>,0.500000
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,34.771637,-0.000000>,0.500000
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-1.530734,36.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,36.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,36.695518,-0.000000>,0.500000
<-1.530734,37.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,37.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,37.695518,-0.000000>,0.500000
<-1.530734,38.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,38.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,38.695518,-0.000000>,0.500000
<-1.530734,39.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,39.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,39.695518,-0.000000>,0.500000
<-1.148050,40.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,40.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-2.237840,36.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,36.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,36.402626,-0.000000>,0.500000
<-2.944947,37.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,37.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,37.109734,-0.000000>,0.500000
<-3.327631,38.033611,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.327631,38.033611,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.500000
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.500000
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.500000
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.500000
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.500000
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,32.923878,-0.000000>,0.500000
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,33.847759,-0.000000>,0.500000
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,34.771637,-0.000000>,0.500000
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.695518,-0.000000>,0.500000
<1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,36.619396,-0.000000>,0.500000
<2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.543278,-0.000000>,0.500000
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,38.467155,-0.000000>,0.500000
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,39.391037,-0.000000>,0.500000
<3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,40.314915,-0.000000>,0.500000
<3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,41.238796,-0.000000>,0.500000
<4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,42.162674,-0.000000>,0.500000
<4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,43.086555,-0.000000>,0.500000
<4.592201,44.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,44.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,44.086555,-0.000000>,0.500000
<4.592201,45.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,45.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,45.086555,-0.000000>,0.500000
<4.209518,46.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,46.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,46.010433,-0.000000>,0.500000
<3.826834,46.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,46.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,46.934315,-0.000000>,0.500000
<3.826834,47.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,47.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,45.086555,-0.000000>,0.500000
<4.592201,46.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,46.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,46.086555,-0.000000>,0.500000
<4.592201,47.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,47.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,47.086555,-0.000000>,0.500000
<4.974885,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,45.086555,-0.000000>,0.500000
<4.592201,46.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,46.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,46.086555,-0.000000>,0.500000
<4.592201,47.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,47.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,47.086555,-0.000000>,0.500000
<4.974885,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,48.010433,-0.000000>,0.500000
<5.357568,48.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,48.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,48.934315,-0.000000>,0.500000
<5.740252,49.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,49.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,49.858192,-0.000000>,0.500000
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,50.782074,-0.000000>,0.500000
<6.830042,51.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,51.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,47.086555,-0.000000>,0.500000
<4.209518,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,48.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,48.010433,-0.000000>,0.500000
<3.826834,48.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,48.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,48.934315,-0.000000>,0.500000
<3.826834,49.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,49.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,43.086555,-0.000000>,0.500000
<4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,44.010433,-0.000000>,0.500000
<5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,44.934315,-0.000000>,0.500000
<5.357568,45.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,45.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,45.934315,-0.000000>,0.500000
<5.357568,46.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,46.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,46.934315,-0.000000>,0.500000
<5.740252,47.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,47.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,44.934315,-0.000000>,0.500000
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,45.858192,-0.000000>,0.500000
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,46.782074,-0.000000>,0.500000
<6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,44.934315,-0.000000>,0.500000
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,45.858192,-0.000000>,0.500000
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,46.782074,-0.000000>,0.500000
<6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.830042,47.489178,-0.000000>,0.500000
<7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,48.196285,-0.000000>,0.500000
<8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.244255,48.903393,-0.000000>,0.500000
<8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.951362,49.610500,-0.000000>,0.500000
<9.875241,49.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.875241,49.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,46.782074,-0.000000>,0.500000
<6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,47.782074,-0.000000>,0.500000
<6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,48.782074,-0.000000>,0.500000
<6.505619,49.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,49.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,43.086555,-0.000000>,0.500000
<4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,44.010433,-0.000000>,0.500000
<5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,44.934315,-0.000000>,0.500000
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,45.858192,-0.000000>,0.500000
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,46.782074,-0.000000>,0.500000
<6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.830042,47.489178,-0.000000>,0.500000
<7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.537148,48.196285,-0.000000>,0.500000
<8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.244255,48.903393,-0.000000>,0.500000
<8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.951362,49.610500,-0.000000>,0.500000
<9.658469,50.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.658469,50.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.658469,50.317608,-0.000000>,0.500000
<10.365576,51.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.365576,51.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.365576,51.024712,-0.000000>,0.500000
<10.748259,51.948593,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.748259,51.948593,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.748259,51.948593,-0.000000>,0.500000
<11.130942,52.872471,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.130942,52.872471,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.130942,52.872471,-0.000000>,0.500000
<11.838049,53.579578,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.838049,53.579578,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.365576,51.024712,-0.000000>,0.500000
<11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.072682,51.731819,-0.000000>,0.500000
<11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.779789,52.438927,-0.000000>,0.500000
<12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.365576,51.024712,-0.000000>,0.500000
<11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.072682,51.731819,-0.000000>,0.500000
<11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.779789,52.438927,-0.000000>,0.500000
<12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.703669,52.821609,-0.000000>,0.500000
<13.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.627548,53.204292,-0.000000>,0.500000
<14.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.551428,53.586979,-0.000000>,0.500000
<15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.475307,53.969662,-0.000000>,0.500000
<16.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.779789,52.438927,-0.000000>,0.500000
<12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.162473,53.362804,-0.000000>,0.500000
<12.545156,54.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.545156,54.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.545156,54.286686,-0.000000>,0.500000
<13.252263,54.993793,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.252263,54.993793,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,46.782074,-0.000000>,0.500000
<6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,47.782074,-0.000000>,0.500000
<6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,48.782074,-0.000000>,0.500000
<5.740252,49.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,49.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,49.705952,-0.000000>,0.500000
<5.357568,50.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,50.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,50.629833,-0.000000>,0.500000
<5.357568,51.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,51.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,48.782074,-0.000000>,0.500000
<6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,49.782074,-0.000000>,0.500000
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,50.782074,-0.000000>,0.500000
<6.505619,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,48.782074,-0.000000>,0.500000
<6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,49.782074,-0.000000>,0.500000
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,50.782074,-0.000000>,0.500000
<6.505619,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,51.705952,-0.000000>,0.500000
<6.888302,52.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,52.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,52.629833,-0.000000>,0.500000
<7.270985,53.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,53.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,53.553711,-0.000000>,0.500000
<7.653669,54.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,54.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,54.477592,-0.000000>,0.500000
<8.360775,55.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.360775,55.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,50.782074,-0.000000>,0.500000
<5.740252,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,51.705952,-0.000000>,0.500000
<5.357568,52.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,52.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,52.629833,-0.000000>,0.500000
<5.357568,53.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,53.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,32.923878,-0.000000>,0.500000
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,33.847759,-0.000000>,0.500000
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,34.771637,-0.000000>,0.500000
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-2.237840,36.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.237840,36.402626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.237840,36.402626,-0.000000>,0.500000
<-2.944947,37.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.944947,37.109734,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,37.109734,-0.000000>,0.500000
<-3.868827,37.492416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.868827,37.492416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.868827,37.492416,-0.000000>,0.500000
<-4.792706,37.875099,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.792706,37.875099,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.792706,37.875099,-0.000000>,0.500000
<-5.499813,38.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.499813,38.582207,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,37.109734,-0.000000>,0.500000
<-3.652054,37.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,37.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,37.816837,-0.000000>,0.500000
<-4.359161,38.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,38.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,38.523945,-0.000000>,0.500000
<-4.741844,39.447826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,39.447826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.944947,37.109734,-0.000000>,0.500000
<-3.652054,37.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.652054,37.816837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.652054,37.816837,-0.000000>,0.500000
<-4.359161,38.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.359161,38.523945,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,38.523945,-0.000000>,0.500000
<-4.741844,39.447826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.741844,39.447826,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.741844,39.447826,-0.000000>,0.500000
<-5.124528,40.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.124528,40.371704,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.124528,40.371704,-0.000000>,0.500000
<-5.507211,41.295586,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.507211,41.295586,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.507211,41.295586,-0.000000>,0.500000
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-5.889894,43.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,43.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.359161,38.523945,-0.000000>,0.500000
<-5.283041,38.906628,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.283041,38.906628,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.283041,38.906628,-0.000000>,0.500000
<-6.206920,39.289310,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.206920,39.289310,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.206920,39.289310,-0.000000>,0.500000
<-6.914027,39.996418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.914027,39.996418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,36.619396,-0.000000>,0.500000
<-2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.500000
<-3.003207,38.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.003207,38.250385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.003207,38.250385,-0.000000>,0.500000
<-3.710314,38.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.710314,38.957489,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.710314,38.957489,-0.000000>,0.500000
<-4.092998,39.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.092998,39.881371,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.500000
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,38.467155,-0.000000>,0.500000
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.500000
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,38.467155,-0.000000>,0.500000
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,40.391037,-0.000000>,0.500000
<-3.061467,41.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,41.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,41.391037,-0.000000>,0.500000
<-3.061467,42.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,42.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,42.391037,-0.000000>,0.500000
<-3.061467,43.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,43.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,43.391037,-0.000000>,0.500000
<-2.678784,44.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,44.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,40.098145,-0.000000>,0.500000
<-4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,40.805248,-0.000000>,0.500000
<-4.858365,41.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.858365,41.729130,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,36.619396,-0.000000>,0.500000
<-2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.500000
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,38.467155,-0.000000>,0.500000
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,40.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,40.391037,-0.000000>,0.500000
<-3.061467,41.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,41.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,41.391037,-0.000000>,0.500000
<-3.061467,42.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,42.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,42.391037,-0.000000>,0.500000
<-3.061467,43.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,43.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,43.391037,-0.000000>,0.500000
<-3.061467,44.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,44.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,44.391037,-0.000000>,0.500000
<-3.061467,45.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,45.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,45.391037,-0.000000>,0.500000
<-3.444151,46.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,46.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,46.314915,-0.000000>,0.500000
<-3.826834,47.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,47.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,47.238796,-0.000000>,0.500000
<-3.826834,48.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,48.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,45.391037,-0.000000>,0.500000
<-3.061467,46.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,46.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,46.391037,-0.000000>,0.500000
<-3.061467,47.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,47.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,47.391037,-0.000000>,0.500000
<-2.678784,48.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,48.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,45.391037,-0.000000>,0.500000
<-3.061467,46.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,46.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,46.391037,-0.000000>,0.500000
<-3.061467,47.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,47.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,47.391037,-0.000000>,0.500000
<-2.678784,48.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,48.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,48.314915,-0.000000>,0.500000
<-2.296101,49.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,49.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,49.238796,-0.000000>,0.500000
<-1.913417,50.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,50.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,50.162674,-0.000000>,0.500000
<-1.530734,51.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,51.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,51.086555,-0.000000>,0.500000
<-0.823627,51.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.823627,51.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,47.391037,-0.000000>,0.500000
<-3.444151,48.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,48.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,48.314915,-0.000000>,0.500000
<-3.826834,49.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,49.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,49.238796,-0.000000>,0.500000
<-3.826834,50.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,50.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,40.098145,-0.000000>,0.500000
<-4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,40.805248,-0.000000>,0.500000
<-5.399560,41.187935,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.399560,41.187935,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.399560,41.187935,-0.000000>,0.500000
<-6.323440,41.570618,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.323440,41.570618,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.323440,41.570618,-0.000000>,0.500000
<-7.030547,42.277725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.030547,42.277725,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,40.805248,-0.000000>,0.500000
<-5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,41.512356,-0.000000>,0.500000
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-6.272578,43.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.272578,43.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,40.805248,-0.000000>,0.500000
<-5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,41.512356,-0.000000>,0.500000
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-6.272578,43.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.272578,43.143341,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.272578,43.143341,-0.000000>,0.500000
<-6.655262,44.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.655262,44.067223,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.655262,44.067223,-0.000000>,0.500000
<-7.037945,44.991100,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.037945,44.991100,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.037945,44.991100,-0.000000>,0.500000
<-7.420629,45.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,45.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,45.914982,-0.000000>,0.500000
<-7.420629,46.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,46.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-6.813774,42.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.813774,42.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.813774,42.602146,-0.000000>,0.500000
<-7.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,42.984829,-0.000000>,0.500000
<-8.444760,43.691936,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.444760,43.691936,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,16.000000,-0.000000>,0.500000
<0.000000,17.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,17.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,17.000000,-0.000000>,0.500000
<0.000000,18.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,18.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,18.000000,-0.000000>,0.500000
<0.000000,19.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,19.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,19.000000,-0.000000>,0.500000
<0.000000,20.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,20.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,20.000000,-0.000000>,0.500000
<0.000000,21.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,21.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,21.000000,-0.000000>,0.500000
<0.000000,22.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,22.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,22.000000,-0.000000>,0.500000
<0.000000,23.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,23.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,23.000000,-0.000000>,0.500000
<0.000000,24.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,24.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,24.000000,-0.000000>,0.500000
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,25.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,25.000000,-0.000000>,0.500000
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,26.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,26.000000,-0.000000>,0.500000
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,27.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,27.000000,-0.000000>,0.500000
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,28.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,28.000000,-0.000000>,0.500000
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,29.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,29.000000,-0.000000>,0.500000
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,30.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,30.000000,-0.000000>,0.500000
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,31.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,31.000000,-0.000000>,0.500000
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.000000,32.000000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.382683,32.923878,-0.000000>,0.500000
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.765367,33.847759,-0.000000>,0.500000
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.148050,34.771637,-0.000000>,0.500000
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.530734,35.695518,-0.000000>,0.500000
<1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<1.913417,36.619396,-0.000000>,0.500000
<2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.296101,37.543278,-0.000000>,0.500000
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<2.678784,38.467155,-0.000000>,0.500000
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.061467,39.391037,-0.000000>,0.500000
<3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.444151,40.314915,-0.000000>,0.500000
<3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<3.826834,41.238796,-0.000000>,0.500000
<4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.209518,42.162674,-0.000000>,0.500000
<4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.592201,43.086555,-0.000000>,0.500000
<4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<4.974885,44.010433,-0.000000>,0.500000
<5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.357568,44.934315,-0.000000>,0.500000
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<5.740252,45.858192,-0.000000>,0.500000
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.122935,46.782074,-0.000000>,0.500000
<6.505619,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.505619,47.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.505619,47.705952,-0.000000>,0.500000
<6.888302,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.888302,48.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.888302,48.629833,-0.000000>,0.500000
<7.270985,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.270985,49.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.270985,49.553711,-0.000000>,0.500000
<7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,50.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,50.477592,-0.000000>,0.500000
<8.036352,51.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,51.401470,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,51.401470,-0.000000>,0.500000
<8.419036,52.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,52.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,52.325348,-0.000000>,0.500000
<8.801719,53.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,53.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,53.249229,-0.000000>,0.500000
<9.184402,54.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,54.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,54.173107,-0.000000>,0.500000
<9.184402,55.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,55.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,55.173107,-0.000000>,0.500000
<9.184402,56.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,56.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,56.173107,-0.000000>,0.500000
<9.184402,57.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,57.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,57.173107,-0.000000>,0.500000
<9.184402,58.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,58.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,58.173107,-0.000000>,0.500000
<8.801719,59.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,59.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,59.096989,-0.000000>,0.500000
<8.419036,60.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,60.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,60.020866,-0.000000>,0.500000
<7.711929,60.727974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.711929,60.727974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.711929,60.727974,-0.000000>,0.500000
<7.004822,61.435081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.004822,61.435081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.004822,61.435081,-0.000000>,0.500000
<6.622139,62.358959,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.622139,62.358959,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,60.020866,-0.000000>,0.500000
<8.036352,60.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,60.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,60.944748,-0.000000>,0.500000
<7.653669,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,61.868626,-0.000000>,0.500000
<7.653669,62.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,62.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,60.020866,-0.000000>,0.500000
<8.036352,60.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,60.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,60.944748,-0.000000>,0.500000
<7.653669,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,61.868626,-0.000000>,0.500000
<7.653669,62.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,62.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,62.868626,-0.000000>,0.500000
<7.653669,63.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,63.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,63.868626,-0.000000>,0.500000
<7.653669,64.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,64.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,64.868629,-0.000000>,0.500000
<7.653669,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,65.868629,-0.000000>,0.500000
<8.036352,66.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,66.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,61.868626,-0.000000>,0.500000
<6.946562,62.575733,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.946562,62.575733,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.946562,62.575733,-0.000000>,0.500000
<6.239455,63.282841,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.239455,63.282841,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.239455,63.282841,-0.000000>,0.500000
<5.856771,64.206718,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.856771,64.206718,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,58.173107,-0.000000>,0.500000
<9.184402,59.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,59.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,59.173107,-0.000000>,0.500000
<9.184402,60.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,60.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,60.173107,-0.000000>,0.500000
<8.801719,61.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,61.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,61.096989,-0.000000>,0.500000
<8.419036,62.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,62.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,62.020866,-0.000000>,0.500000
<8.419036,63.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,63.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,60.173107,-0.000000>,0.500000
<9.184402,61.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,61.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,61.173107,-0.000000>,0.500000
<9.184402,62.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,62.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,62.173107,-0.000000>,0.500000
<9.567086,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,60.173107,-0.000000>,0.500000
<9.184402,61.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,61.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,61.173107,-0.000000>,0.500000
<9.184402,62.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,62.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,62.173107,-0.000000>,0.500000
<9.567086,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,63.096989,-0.000000>,0.500000
<9.949769,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,64.020866,-0.000000>,0.500000
<10.332453,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,64.944748,-0.000000>,0.500000
<10.715137,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,65.868629,-0.000000>,0.500000
<11.422243,66.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.422243,66.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,62.173107,-0.000000>,0.500000
<8.801719,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,63.096989,-0.000000>,0.500000
<8.419036,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,64.020866,-0.000000>,0.500000
<8.419036,65.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,65.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,58.173107,-0.000000>,0.500000
<9.184402,59.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,59.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,59.173107,-0.000000>,0.500000
<9.184402,60.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,60.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,60.173107,-0.000000>,0.500000
<9.184402,61.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,61.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,61.173107,-0.000000>,0.500000
<9.184402,62.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.184402,62.173107,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,62.173107,-0.000000>,0.500000
<9.567086,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,63.096989,-0.000000>,0.500000
<9.949769,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,64.020866,-0.000000>,0.500000
<10.332453,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,64.944748,-0.000000>,0.500000
<10.715137,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,65.868629,-0.000000>,0.500000
<11.097819,66.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,66.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,66.792503,-0.000000>,0.500000
<11.480503,67.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,67.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.716385,-0.000000>,0.500000
<11.480503,68.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,68.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,68.716385,-0.000000>,0.500000
<11.480503,69.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,69.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,69.716385,-0.000000>,0.500000
<11.863187,70.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,70.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.716385,-0.000000>,0.500000
<11.863187,68.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,68.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,68.640266,-0.000000>,0.500000
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<12.952976,70.271255,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,70.271255,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.716385,-0.000000>,0.500000
<11.863187,68.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,68.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,68.640266,-0.000000>,0.500000
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<12.952976,70.271255,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,70.271255,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.952976,70.271255,-0.000000>,0.500000
<13.660084,70.978355,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.660084,70.978355,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.660084,70.978355,-0.000000>,0.500000
<14.367190,71.685463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.367190,71.685463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.367190,71.685463,-0.000000>,0.500000
<15.074297,72.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.074297,72.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.074297,72.392570,-0.000000>,0.500000
<15.998177,72.775253,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.998177,72.775253,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<12.245870,70.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,70.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,70.564148,-0.000000>,0.500000
<12.245870,71.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,71.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,71.564148,-0.000000>,0.500000
<12.628553,72.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,72.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,62.173107,-0.000000>,0.500000
<8.801719,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.801719,63.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.801719,63.096989,-0.000000>,0.500000
<8.419036,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.419036,64.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,64.020866,-0.000000>,0.500000
<7.711929,64.727974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.711929,64.727974,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.711929,64.727974,-0.000000>,0.500000
<7.004822,65.435081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.004822,65.435081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.004822,65.435081,-0.000000>,0.500000
<6.622139,66.358963,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.622139,66.358963,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,64.020866,-0.000000>,0.500000
<8.036352,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,64.944748,-0.000000>,0.500000
<7.653669,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,65.868629,-0.000000>,0.500000
<7.653669,66.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,66.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.419036,64.020866,-0.000000>,0.500000
<8.036352,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,64.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<8.036352,64.944748,-0.000000>,0.500000
<7.653669,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,65.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,65.868629,-0.000000>,0.500000
<7.653669,66.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,66.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,66.868629,-0.000000>,0.500000
<7.653669,67.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,67.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,67.868629,-0.000000>,0.500000
<7.653669,68.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,68.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,68.868629,-0.000000>,0.500000
<7.653669,69.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<7.653669,69.868629,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,69.868629,-0.000000>,0.500000
<8.036352,70.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.036352,70.792503,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<7.653669,65.868629,-0.000000>,0.500000
<6.946562,66.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.946562,66.575737,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.946562,66.575737,-0.000000>,0.500000
<6.239455,67.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<6.239455,67.282837,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<6.239455,67.282837,-0.000000>,0.500000
<5.856771,68.206718,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<5.856771,68.206718,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,54.173107,-0.000000>,0.500000
<9.567086,55.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,55.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,55.096989,-0.000000>,0.500000
<9.949769,56.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,56.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,56.020866,-0.000000>,0.500000
<10.332453,56.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,56.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,56.944748,-0.000000>,0.500000
<10.715137,57.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,57.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,57.868626,-0.000000>,0.500000
<10.715137,58.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,58.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,58.868626,-0.000000>,0.500000
<10.715137,59.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,59.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,59.868626,-0.000000>,0.500000
<10.332453,60.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,60.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,60.792507,-0.000000>,0.500000
<9.949769,61.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,61.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,61.716385,-0.000000>,0.500000
<9.949769,62.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,62.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,59.868626,-0.000000>,0.500000
<10.715137,60.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,60.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,60.868626,-0.000000>,0.500000
<10.715137,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,61.868626,-0.000000>,0.500000
<11.097819,62.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,62.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,59.868626,-0.000000>,0.500000
<10.715137,60.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,60.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,60.868626,-0.000000>,0.500000
<10.715137,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,61.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,61.868626,-0.000000>,0.500000
<11.097819,62.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,62.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,62.792507,-0.000000>,0.500000
<11.480503,63.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,63.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,63.716385,-0.000000>,0.500000
<11.863187,64.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,64.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,64.640266,-0.000000>,0.500000
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<12.952976,66.271255,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,66.271255,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,61.868626,-0.000000>,0.500000
<10.332453,62.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,62.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,62.792507,-0.000000>,0.500000
<9.949769,63.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,63.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,63.716385,-0.000000>,0.500000
<9.949769,64.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,64.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,57.868626,-0.000000>,0.500000
<11.097819,58.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,58.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,58.792507,-0.000000>,0.500000
<11.480503,59.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,59.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,59.716385,-0.000000>,0.500000
<11.480503,60.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,60.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,60.716385,-0.000000>,0.500000
<11.480503,61.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,61.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,61.716385,-0.000000>,0.500000
<11.863187,62.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,62.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,59.716385,-0.000000>,0.500000
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,60.640266,-0.000000>,0.500000
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,59.716385,-0.000000>,0.500000
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,60.640266,-0.000000>,0.500000
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.952976,62.271252,-0.000000>,0.500000
<13.660084,62.978359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.660084,62.978359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.660084,62.978359,-0.000000>,0.500000
<14.367190,63.685467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.367190,63.685467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.367190,63.685467,-0.000000>,0.500000
<15.074297,64.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.074297,64.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.074297,64.392570,-0.000000>,0.500000
<15.998177,64.775253,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.998177,64.775253,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.245870,62.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,62.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,62.564144,-0.000000>,0.500000
<12.245870,63.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,63.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,63.564144,-0.000000>,0.500000
<12.628553,64.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,64.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,57.868626,-0.000000>,0.500000
<11.097819,58.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,58.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,58.792507,-0.000000>,0.500000
<11.480503,59.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,59.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,59.716385,-0.000000>,0.500000
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,60.640266,-0.000000>,0.500000
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.952976,62.271252,-0.000000>,0.500000
<13.660084,62.978359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.660084,62.978359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.660084,62.978359,-0.000000>,0.500000
<14.367190,63.685467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.367190,63.685467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.367190,63.685467,-0.000000>,0.500000
<15.074297,64.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.074297,64.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.074297,64.392570,-0.000000>,0.500000
<15.781404,65.099678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.781404,65.099678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.781404,65.099678,-0.000000>,0.500000
<16.488510,65.806786,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.488510,65.806786,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488510,65.806786,-0.000000>,0.500000
<16.871195,66.730667,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.871195,66.730667,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.871195,66.730667,-0.000000>,0.500000
<17.253878,67.654541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.253878,67.654541,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.253878,67.654541,-0.000000>,0.500000
<17.960983,68.361649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.960983,68.361649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488510,65.806786,-0.000000>,0.500000
<17.195618,66.513893,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.195618,66.513893,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.195618,66.513893,-0.000000>,0.500000
<17.902723,67.221001,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.902723,67.221001,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.902723,67.221001,-0.000000>,0.500000
<18.826603,67.603683,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.826603,67.603683,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488510,65.806786,-0.000000>,0.500000
<17.195618,66.513893,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.195618,66.513893,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.195618,66.513893,-0.000000>,0.500000
<17.902723,67.221001,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.902723,67.221001,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.902723,67.221001,-0.000000>,0.500000
<18.826603,67.603683,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.826603,67.603683,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.826603,67.603683,-0.000000>,0.500000
<19.750483,67.986366,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.750483,67.986366,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.750483,67.986366,-0.000000>,0.500000
<20.674362,68.369049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.674362,68.369049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.674362,68.369049,-0.000000>,0.500000
<21.598242,68.751732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.598242,68.751732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.598242,68.751732,-0.000000>,0.500000
<22.598242,68.751732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.598242,68.751732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.902723,67.221001,-0.000000>,0.500000
<18.285408,68.144882,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.285408,68.144882,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.285408,68.144882,-0.000000>,0.500000
<18.668091,69.068756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.668091,69.068756,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.668091,69.068756,-0.000000>,0.500000
<19.375198,69.775864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.375198,69.775864,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.245870,62.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,62.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,62.564144,-0.000000>,0.500000
<12.245870,63.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,63.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,63.564144,-0.000000>,0.500000
<11.863187,64.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,64.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,64.488022,-0.000000>,0.500000
<11.480503,65.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,65.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,65.411903,-0.000000>,0.500000
<11.480503,66.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,66.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,63.564144,-0.000000>,0.500000
<12.245870,64.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,64.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,64.564148,-0.000000>,0.500000
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<12.628553,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,63.564144,-0.000000>,0.500000
<12.245870,64.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,64.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,64.564148,-0.000000>,0.500000
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<12.628553,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,66.488022,-0.000000>,0.500000
<13.011237,67.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,67.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,67.411903,-0.000000>,0.500000
<13.393920,68.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,68.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,68.335785,-0.000000>,0.500000
<13.776604,69.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,69.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,69.259666,-0.000000>,0.500000
<14.483710,69.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.483710,69.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<11.863187,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,66.488022,-0.000000>,0.500000
<11.480503,67.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,67.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.411903,-0.000000>,0.500000
<11.480503,68.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,68.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.184402,54.173107,-0.000000>,0.500000
<9.567086,55.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.567086,55.096989,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.567086,55.096989,-0.000000>,0.500000
<9.949769,56.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.949769,56.020866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.949769,56.020866,-0.000000>,0.500000
<10.332453,56.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.332453,56.944748,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.332453,56.944748,-0.000000>,0.500000
<10.715137,57.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,57.868626,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,57.868626,-0.000000>,0.500000
<11.097819,58.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,58.792507,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,58.792507,-0.000000>,0.500000
<11.480503,59.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,59.716385,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,59.716385,-0.000000>,0.500000
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,60.640266,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,60.640266,-0.000000>,0.500000
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,61.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.952976,62.271252,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.952976,62.271252,-0.000000>,0.500000
<13.660084,62.978359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.660084,62.978359,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.660084,62.978359,-0.000000>,0.500000
<14.367190,63.685467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.367190,63.685467,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.367190,63.685467,-0.000000>,0.500000
<15.074297,64.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.074297,64.392570,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.074297,64.392570,-0.000000>,0.500000
<15.781404,65.099678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.781404,65.099678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.781404,65.099678,-0.000000>,0.500000
<16.488510,65.806786,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.488510,65.806786,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.488510,65.806786,-0.000000>,0.500000
<17.195618,66.513893,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.195618,66.513893,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.195618,66.513893,-0.000000>,0.500000
<17.902723,67.221001,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.902723,67.221001,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.902723,67.221001,-0.000000>,0.500000
<18.609831,67.928108,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.609831,67.928108,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.609831,67.928108,-0.000000>,0.500000
<19.316938,68.635216,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.316938,68.635216,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<19.316938,68.635216,-0.000000>,0.500000
<20.024044,69.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.024044,69.342323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.024044,69.342323,-0.000000>,0.500000
<20.731152,70.049423,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<20.731152,70.049423,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.731152,70.049423,-0.000000>,0.500000
<21.113834,70.973305,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.113834,70.973305,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.113834,70.973305,-0.000000>,0.500000
<21.496517,71.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.496517,71.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.496517,71.897186,-0.000000>,0.500000
<21.496517,72.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.496517,72.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.496517,72.897186,-0.000000>,0.500000
<21.496517,73.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.496517,73.897186,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.496517,73.897186,-0.000000>,0.500000
<21.879202,74.821068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.879202,74.821068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.496517,71.897186,-0.000000>,0.500000
<21.879202,72.821068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.879202,72.821068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.879202,72.821068,-0.000000>,0.500000
<22.261885,73.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.261885,73.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.261885,73.744942,-0.000000>,0.500000
<22.968992,74.452049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.968992,74.452049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.496517,71.897186,-0.000000>,0.500000
<21.879202,72.821068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.879202,72.821068,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.879202,72.821068,-0.000000>,0.500000
<22.261885,73.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.261885,73.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.261885,73.744942,-0.000000>,0.500000
<22.968992,74.452049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.968992,74.452049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.968992,74.452049,-0.000000>,0.500000
<23.676098,75.159157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.676098,75.159157,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.676098,75.159157,-0.000000>,0.500000
<24.383205,75.866264,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.383205,75.866264,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.383205,75.866264,-0.000000>,0.500000
<25.090313,76.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.090313,76.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.090313,76.573372,-0.000000>,0.500000
<26.014191,76.956055,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.014191,76.956055,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.261885,73.744942,-0.000000>,0.500000
<22.261885,74.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.261885,74.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.261885,74.744942,-0.000000>,0.500000
<22.261885,75.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.261885,75.744942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.261885,75.744942,-0.000000>,0.500000
<22.644567,76.668823,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.644567,76.668823,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.731152,70.049423,-0.000000>,0.500000
<21.438257,70.756531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.438257,70.756531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.438257,70.756531,-0.000000>,0.500000
<22.145365,71.463638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.145365,71.463638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.145365,71.463638,-0.000000>,0.500000
<22.528048,72.387520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.528048,72.387520,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.528048,72.387520,-0.000000>,0.500000
<22.910732,73.311401,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.910732,73.311401,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.910732,73.311401,-0.000000>,0.500000
<23.617838,74.018509,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.617838,74.018509,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.145365,71.463638,-0.000000>,0.500000
<22.852472,72.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.852472,72.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.852472,72.170746,-0.000000>,0.500000
<23.559578,72.877853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.559578,72.877853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.559578,72.877853,-0.000000>,0.500000
<24.483458,73.260536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.483458,73.260536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.145365,71.463638,-0.000000>,0.500000
<22.852472,72.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.852472,72.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.852472,72.170746,-0.000000>,0.500000
<23.559578,72.877853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.559578,72.877853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.559578,72.877853,-0.000000>,0.500000
<24.483458,73.260536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.483458,73.260536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.483458,73.260536,-0.000000>,0.500000
<25.407337,73.643219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.407337,73.643219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.407337,73.643219,-0.000000>,0.500000
<26.331217,74.025902,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.331217,74.025902,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.331217,74.025902,-0.000000>,0.500000
<27.255096,74.408585,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.255096,74.408585,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.255096,74.408585,-0.000000>,0.500000
<28.255096,74.408585,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.255096,74.408585,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.559578,72.877853,-0.000000>,0.500000
<23.942263,73.801735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.942263,73.801735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.942263,73.801735,-0.000000>,0.500000
<24.324945,74.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.324945,74.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.324945,74.725609,-0.000000>,0.500000
<25.032051,75.432716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.032051,75.432716,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<20.731152,70.049423,-0.000000>,0.500000
<21.438257,70.756531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<21.438257,70.756531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<21.438257,70.756531,-0.000000>,0.500000
<22.145365,71.463638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.145365,71.463638,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.145365,71.463638,-0.000000>,0.500000
<22.852472,72.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<22.852472,72.170746,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<22.852472,72.170746,-0.000000>,0.500000
<23.559578,72.877853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.559578,72.877853,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.559578,72.877853,-0.000000>,0.500000
<24.483458,73.260536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.483458,73.260536,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.483458,73.260536,-0.000000>,0.500000
<25.407337,73.643219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.407337,73.643219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.407337,73.643219,-0.000000>,0.500000
<26.331217,74.025902,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.331217,74.025902,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.331217,74.025902,-0.000000>,0.500000
<27.255096,74.408585,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.255096,74.408585,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.255096,74.408585,-0.000000>,0.500000
<28.178976,74.791267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.178976,74.791267,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<28.178976,74.791267,-0.000000>,0.500000
<29.102856,75.173958,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.102856,75.173958,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.102856,75.173958,-0.000000>,0.500000
<29.809963,75.881058,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<29.809963,75.881058,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.809963,75.881058,-0.000000>,0.500000
<30.517069,76.588165,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.517069,76.588165,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.517069,76.588165,-0.000000>,0.500000
<31.440948,76.970848,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.440948,76.970848,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.102856,75.173958,-0.000000>,0.500000
<30.026735,75.556641,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.026735,75.556641,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.026735,75.556641,-0.000000>,0.500000
<30.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.950615,75.939323,-0.000000>,0.500000
<31.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<29.102856,75.173958,-0.000000>,0.500000
<30.026735,75.556641,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.026735,75.556641,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.026735,75.556641,-0.000000>,0.500000
<30.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<30.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.950615,75.939323,-0.000000>,0.500000
<31.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.950615,75.939323,-0.000000>,0.500000
<32.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.950615,75.939323,-0.000000>,0.500000
<33.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<33.950615,75.939323,-0.000000>,0.500000
<34.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<34.950615,75.939323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<34.950615,75.939323,-0.000000>,0.500000
<35.874493,75.556641,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<35.874493,75.556641,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<30.950615,75.939323,-0.000000>,0.500000
<31.657721,76.646431,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<31.657721,76.646431,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<31.657721,76.646431,-0.000000>,0.500000
<32.364830,77.353531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<32.364830,77.353531,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<32.364830,77.353531,-0.000000>,0.500000
<33.288708,77.736221,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<33.288708,77.736221,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.559578,72.877853,-0.000000>,0.500000
<23.942263,73.801735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<23.942263,73.801735,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<23.942263,73.801735,-0.000000>,0.500000
<24.324945,74.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.324945,74.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.324945,74.725609,-0.000000>,0.500000
<24.324945,75.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.324945,75.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.324945,75.725609,-0.000000>,0.500000
<24.324945,76.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.324945,76.725609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.324945,76.725609,-0.000000>,0.500000
<24.707628,77.649490,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707628,77.649490,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.324945,74.725609,-0.000000>,0.500000
<24.707628,75.649490,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707628,75.649490,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.707628,75.649490,-0.000000>,0.500000
<25.090313,76.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.090313,76.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.090313,76.573372,-0.000000>,0.500000
<25.797419,77.280479,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.797419,77.280479,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.324945,74.725609,-0.000000>,0.500000
<24.707628,75.649490,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<24.707628,75.649490,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<24.707628,75.649490,-0.000000>,0.500000
<25.090313,76.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.090313,76.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.090313,76.573372,-0.000000>,0.500000
<25.797419,77.280479,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.797419,77.280479,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.797419,77.280479,-0.000000>,0.500000
<26.504526,77.987587,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<26.504526,77.987587,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<26.504526,77.987587,-0.000000>,0.500000
<27.211632,78.694695,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.211632,78.694695,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.211632,78.694695,-0.000000>,0.500000
<27.918739,79.401802,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<27.918739,79.401802,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<27.918739,79.401802,-0.000000>,0.500000
<28.842619,79.784485,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<28.842619,79.784485,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.090313,76.573372,-0.000000>,0.500000
<25.090313,77.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.090313,77.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.090313,77.573372,-0.000000>,0.500000
<25.090313,78.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.090313,78.573372,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<25.090313,78.573372,-0.000000>,0.500000
<25.472996,79.497253,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<25.472996,79.497253,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,61.564144,-0.000000>,0.500000
<12.245870,62.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,62.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,62.564144,-0.000000>,0.500000
<12.245870,63.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,63.564144,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,63.564144,-0.000000>,0.500000
<12.245870,64.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,64.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,64.564148,-0.000000>,0.500000
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,65.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<11.863187,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,66.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,66.488022,-0.000000>,0.500000
<11.480503,67.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,67.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.411903,-0.000000>,0.500000
<10.773396,68.119011,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.773396,68.119011,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.773396,68.119011,-0.000000>,0.500000
<10.066289,68.826118,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.066289,68.826118,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.066289,68.826118,-0.000000>,0.500000
<9.683606,69.750000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.683606,69.750000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.411903,-0.000000>,0.500000
<11.097819,68.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,68.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,68.335785,-0.000000>,0.500000
<10.715137,69.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,69.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,69.259666,-0.000000>,0.500000
<10.715137,70.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,70.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,67.411903,-0.000000>,0.500000
<11.097819,68.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,68.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,68.335785,-0.000000>,0.500000
<10.715137,69.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,69.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,69.259666,-0.000000>,0.500000
<10.715137,70.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,70.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,70.259666,-0.000000>,0.500000
<10.715137,71.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,71.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,71.259666,-0.000000>,0.500000
<10.715137,72.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,72.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,72.259666,-0.000000>,0.500000
<10.715137,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,73.259666,-0.000000>,0.500000
<11.097819,74.183540,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,74.183540,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,69.259666,-0.000000>,0.500000
<10.008029,69.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.008029,69.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.008029,69.966766,-0.000000>,0.500000
<9.300922,70.673874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.300922,70.673874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.300922,70.673874,-0.000000>,0.500000
<8.918239,71.597755,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.918239,71.597755,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<12.245870,66.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,66.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,66.564148,-0.000000>,0.500000
<12.245870,67.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,67.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,67.564148,-0.000000>,0.500000
<11.863187,68.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,68.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,68.488022,-0.000000>,0.500000
<11.480503,69.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,69.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,69.411903,-0.000000>,0.500000
<11.480503,70.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,70.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,67.564148,-0.000000>,0.500000
<12.245870,68.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,68.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,68.564148,-0.000000>,0.500000
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<12.628553,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,67.564148,-0.000000>,0.500000
<12.245870,68.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,68.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,68.564148,-0.000000>,0.500000
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<12.628553,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,70.488022,-0.000000>,0.500000
<13.011237,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,71.411903,-0.000000>,0.500000
<13.393920,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,72.335785,-0.000000>,0.500000
<13.776604,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,73.259666,-0.000000>,0.500000
<14.483710,73.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.483710,73.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<11.863187,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,70.488022,-0.000000>,0.500000
<11.480503,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,71.411903,-0.000000>,0.500000
<11.480503,72.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,72.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,65.564148,-0.000000>,0.500000
<12.245870,66.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,66.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,66.564148,-0.000000>,0.500000
<12.245870,67.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,67.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,67.564148,-0.000000>,0.500000
<12.245870,68.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,68.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,68.564148,-0.000000>,0.500000
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.245870,69.564148,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<12.628553,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<12.628553,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.628553,70.488022,-0.000000>,0.500000
<13.011237,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.011237,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.011237,71.411903,-0.000000>,0.500000
<13.393920,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.393920,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.393920,72.335785,-0.000000>,0.500000
<13.776604,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<13.776604,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<13.776604,73.259666,-0.000000>,0.500000
<14.159287,74.183540,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.159287,74.183540,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.159287,74.183540,-0.000000>,0.500000
<14.541970,75.107422,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,75.107422,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,75.107422,-0.000000>,0.500000
<14.541970,76.107422,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,76.107422,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,76.107422,-0.000000>,0.500000
<14.541970,77.107422,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.541970,77.107422,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,77.107422,-0.000000>,0.500000
<14.924654,78.031303,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,78.031303,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,75.107422,-0.000000>,0.500000
<14.924654,76.031303,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,76.031303,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,76.031303,-0.000000>,0.500000
<15.307338,76.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,76.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,76.955185,-0.000000>,0.500000
<16.014444,77.662285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.014444,77.662285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.541970,75.107422,-0.000000>,0.500000
<14.924654,76.031303,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<14.924654,76.031303,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<14.924654,76.031303,-0.000000>,0.500000
<15.307338,76.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,76.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,76.955185,-0.000000>,0.500000
<16.014444,77.662285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.014444,77.662285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.014444,77.662285,-0.000000>,0.500000
<16.721550,78.369392,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<16.721550,78.369392,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<16.721550,78.369392,-0.000000>,0.500000
<17.428658,79.076500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<17.428658,79.076500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<17.428658,79.076500,-0.000000>,0.500000
<18.135765,79.783607,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<18.135765,79.783607,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<18.135765,79.783607,-0.000000>,0.500000
<19.059645,80.166290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<19.059645,80.166290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,76.955185,-0.000000>,0.500000
<15.307338,77.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,77.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,77.955185,-0.000000>,0.500000
<15.307338,78.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.307338,78.955185,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<15.307338,78.955185,-0.000000>,0.500000
<15.690021,79.879059,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<15.690021,79.879059,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<12.245870,69.564148,-0.000000>,0.500000
<11.863187,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.863187,70.488022,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.863187,70.488022,-0.000000>,0.500000
<11.480503,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.480503,71.411903,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,71.411903,-0.000000>,0.500000
<10.773396,72.119011,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.773396,72.119011,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.773396,72.119011,-0.000000>,0.500000
<10.066289,72.826118,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.066289,72.826118,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.066289,72.826118,-0.000000>,0.500000
<9.683606,73.750000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.683606,73.750000,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,71.411903,-0.000000>,0.500000
<11.097819,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,72.335785,-0.000000>,0.500000
<10.715137,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,73.259666,-0.000000>,0.500000
<10.715137,74.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,74.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.480503,71.411903,-0.000000>,0.500000
<11.097819,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,72.335785,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<11.097819,72.335785,-0.000000>,0.500000
<10.715137,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,73.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,73.259666,-0.000000>,0.500000
<10.715137,74.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,74.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,74.259666,-0.000000>,0.500000
<10.715137,75.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,75.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,75.259666,-0.000000>,0.500000
<10.715137,76.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,76.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,76.259666,-0.000000>,0.500000
<10.715137,77.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.715137,77.259666,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,77.259666,-0.000000>,0.500000
<11.097819,78.183540,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<11.097819,78.183540,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.715137,73.259666,-0.000000>,0.500000
<10.008029,73.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<10.008029,73.966766,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<10.008029,73.966766,-0.000000>,0.500000
<9.300922,74.673874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<9.300922,74.673874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<9.300922,74.673874,-0.000000>,0.500000
<8.918239,75.597755,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<8.918239,75.597755,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<0.000000,32.000000,-0.000000>,0.500000
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.382683,32.923878,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.382683,32.923878,-0.000000>,0.500000
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.765367,33.847759,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.765367,33.847759,-0.000000>,0.500000
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.148050,34.771637,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.148050,34.771637,-0.000000>,0.500000
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.530734,35.695518,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.530734,35.695518,-0.000000>,0.500000
<-1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.913417,36.619396,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.913417,36.619396,-0.000000>,0.500000
<-2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.296101,37.543278,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.296101,37.543278,-0.000000>,0.500000
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,38.467155,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.678784,38.467155,-0.000000>,0.500000
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,39.391037,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.768574,40.098145,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.768574,40.098145,-0.000000>,0.500000
<-4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.475681,40.805248,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.475681,40.805248,-0.000000>,0.500000
<-5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.182788,41.512356,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.182788,41.512356,-0.000000>,0.500000
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.889894,42.219463,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-6.813774,42.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.813774,42.602146,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.813774,42.602146,-0.000000>,0.500000
<-7.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,42.984829,-0.000000>,0.500000
<-8.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.737654,42.984829,-0.000000>,0.500000
<-9.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.737654,42.984829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.737654,42.984829,-0.000000>,0.500000
<-10.661533,43.367516,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.661533,43.367516,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,42.984829,-0.000000>,0.500000
<-8.661533,43.367516,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.661533,43.367516,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.661533,43.367516,-0.000000>,0.500000
<-9.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585413,43.750198,-0.000000>,0.500000
<-10.292520,44.457302,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.292520,44.457302,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.737654,42.984829,-0.000000>,0.500000
<-8.661533,43.367516,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.661533,43.367516,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.661533,43.367516,-0.000000>,0.500000
<-9.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585413,43.750198,-0.000000>,0.500000
<-10.292520,44.457302,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.292520,44.457302,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.292520,44.457302,-0.000000>,0.500000
<-10.999626,45.164410,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.999626,45.164410,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.999626,45.164410,-0.000000>,0.500000
<-11.706733,45.871517,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.706733,45.871517,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.706733,45.871517,-0.000000>,0.500000
<-12.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,46.578625,-0.000000>,0.500000
<-12.796523,47.502502,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.796523,47.502502,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.585413,43.750198,-0.000000>,0.500000
<-10.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.585413,43.750198,-0.000000>,0.500000
<-11.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.585413,43.750198,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.585413,43.750198,-0.000000>,0.500000
<-12.509293,44.132881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.509293,44.132881,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-6.597002,42.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.597002,42.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,42.926571,-0.000000>,0.500000
<-7.304108,43.633678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.304108,43.633678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,43.633678,-0.000000>,0.500000
<-8.227987,44.016361,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.227987,44.016361,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.227987,44.016361,-0.000000>,0.500000
<-9.151867,44.399044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.151867,44.399044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.151867,44.399044,-0.000000>,0.500000
<-9.858974,45.106152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.858974,45.106152,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,43.633678,-0.000000>,0.500000
<-8.011215,44.340782,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,44.340782,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,44.340782,-0.000000>,0.500000
<-8.718322,45.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,45.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,45.047890,-0.000000>,0.500000
<-9.101006,45.971771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,45.971771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,43.633678,-0.000000>,0.500000
<-8.011215,44.340782,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,44.340782,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,44.340782,-0.000000>,0.500000
<-8.718322,45.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,45.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,45.047890,-0.000000>,0.500000
<-9.101006,45.971771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,45.971771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,45.971771,-0.000000>,0.500000
<-9.483688,46.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,46.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,46.895649,-0.000000>,0.500000
<-9.866372,47.819530,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,47.819530,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,47.819530,-0.000000>,0.500000
<-10.249056,48.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,48.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,48.743408,-0.000000>,0.500000
<-10.249056,49.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,49.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,45.047890,-0.000000>,0.500000
<-9.642201,45.430573,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,45.430573,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,45.430573,-0.000000>,0.500000
<-10.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,45.813259,-0.000000>,0.500000
<-11.273188,46.520363,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.273188,46.520363,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.889894,42.219463,-0.000000>,0.500000
<-6.597002,42.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.597002,42.926571,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.597002,42.926571,-0.000000>,0.500000
<-7.304108,43.633678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.304108,43.633678,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.304108,43.633678,-0.000000>,0.500000
<-8.011215,44.340782,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.011215,44.340782,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.011215,44.340782,-0.000000>,0.500000
<-8.718322,45.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.718322,45.047890,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,45.047890,-0.000000>,0.500000
<-9.101006,45.971771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.101006,45.971771,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.101006,45.971771,-0.000000>,0.500000
<-9.483688,46.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.483688,46.895649,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.483688,46.895649,-0.000000>,0.500000
<-9.866372,47.819530,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.866372,47.819530,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.866372,47.819530,-0.000000>,0.500000
<-10.249056,48.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.249056,48.743408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.249056,48.743408,-0.000000>,0.500000
<-10.631739,49.667290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.631739,49.667290,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.631739,49.667290,-0.000000>,0.500000
<-11.014422,50.591167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.014422,50.591167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,50.591167,-0.000000>,0.500000
<-11.721529,51.298275,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.721529,51.298275,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.721529,51.298275,-0.000000>,0.500000
<-12.428636,52.005383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.428636,52.005383,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.428636,52.005383,-0.000000>,0.500000
<-12.811319,52.929260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.811319,52.929260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,50.591167,-0.000000>,0.500000
<-11.397106,51.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,51.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.397106,51.515049,-0.000000>,0.500000
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-11.779789,53.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,53.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.014422,50.591167,-0.000000>,0.500000
<-11.397106,51.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,51.515049,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.397106,51.515049,-0.000000>,0.500000
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-11.779789,53.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,53.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,53.438927,-0.000000>,0.500000
<-11.779789,54.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,54.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,54.438927,-0.000000>,0.500000
<-11.779789,55.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,55.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,55.438927,-0.000000>,0.500000
<-11.779789,56.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,56.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,56.438927,-0.000000>,0.500000
<-11.397106,57.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.397106,57.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-12.486896,53.146034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.486896,53.146034,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.486896,53.146034,-0.000000>,0.500000
<-13.194003,53.853142,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.194003,53.853142,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.194003,53.853142,-0.000000>,0.500000
<-13.576686,54.777020,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.576686,54.777020,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.718322,45.047890,-0.000000>,0.500000
<-9.642201,45.430573,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.642201,45.430573,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.642201,45.430573,-0.000000>,0.500000
<-10.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,45.813259,-0.000000>,0.500000
<-11.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.566081,45.813259,-0.000000>,0.500000
<-12.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.566081,45.813259,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.566081,45.813259,-0.000000>,0.500000
<-13.489961,46.195942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.489961,46.195942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,45.813259,-0.000000>,0.500000
<-11.489961,46.195942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,46.195942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,46.195942,-0.000000>,0.500000
<-12.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,46.578625,-0.000000>,0.500000
<-13.120947,47.285732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,47.285732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.566081,45.813259,-0.000000>,0.500000
<-11.489961,46.195942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.489961,46.195942,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.489961,46.195942,-0.000000>,0.500000
<-12.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,46.578625,-0.000000>,0.500000
<-13.120947,47.285732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.120947,47.285732,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.120947,47.285732,-0.000000>,0.500000
<-13.828053,47.992836,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.828053,47.992836,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.828053,47.992836,-0.000000>,0.500000
<-14.535160,48.699944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.535160,48.699944,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.535160,48.699944,-0.000000>,0.500000
<-15.242267,49.407051,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.242267,49.407051,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.242267,49.407051,-0.000000>,0.500000
<-15.624950,50.330933,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.624950,50.330933,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.413840,46.578625,-0.000000>,0.500000
<-13.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.413840,46.578625,-0.000000>,0.500000
<-14.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.413840,46.578625,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.413840,46.578625,-0.000000>,0.500000
<-15.337719,46.961308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.337719,46.961308,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,40.314915,-0.000000>,0.500000
<-3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,41.238796,-0.000000>,0.500000
<-4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,42.162674,-0.000000>,0.500000
<-4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,43.086555,-0.000000>,0.500000
<-5.299308,43.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.299308,43.793663,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.299308,43.793663,-0.000000>,0.500000
<-6.006415,44.500767,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.006415,44.500767,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,44.500767,-0.000000>,0.500000
<-6.930295,44.883450,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.930295,44.883450,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.930295,44.883450,-0.000000>,0.500000
<-7.854174,45.266136,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.854174,45.266136,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.854174,45.266136,-0.000000>,0.500000
<-8.561280,45.973240,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.561280,45.973240,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,44.500767,-0.000000>,0.500000
<-6.713521,45.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,45.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,45.207874,-0.000000>,0.500000
<-7.420629,45.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,45.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,45.914982,-0.000000>,0.500000
<-7.803312,46.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,46.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.006415,44.500767,-0.000000>,0.500000
<-6.713521,45.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.713521,45.207874,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.713521,45.207874,-0.000000>,0.500000
<-7.420629,45.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.420629,45.914982,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,45.914982,-0.000000>,0.500000
<-7.803312,46.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.803312,46.838860,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.803312,46.838860,-0.000000>,0.500000
<-8.185995,47.762741,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.185995,47.762741,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.185995,47.762741,-0.000000>,0.500000
<-8.568679,48.686619,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.568679,48.686619,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.568679,48.686619,-0.000000>,0.500000
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-8.951362,50.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,50.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.420629,45.914982,-0.000000>,0.500000
<-8.344508,46.297665,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.344508,46.297665,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.344508,46.297665,-0.000000>,0.500000
<-9.268388,46.680347,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.268388,46.680347,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.268388,46.680347,-0.000000>,0.500000
<-9.975494,47.387455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.975494,47.387455,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,43.086555,-0.000000>,0.500000
<-4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,44.010433,-0.000000>,0.500000
<-5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,44.934315,-0.000000>,0.500000
<-6.064675,45.641418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.064675,45.641418,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.064675,45.641418,-0.000000>,0.500000
<-6.771781,46.348526,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.771781,46.348526,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.771781,46.348526,-0.000000>,0.500000
<-7.154465,47.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.154465,47.272408,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,44.934315,-0.000000>,0.500000
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,45.858192,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,44.934315,-0.000000>,0.500000
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,45.858192,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,47.782074,-0.000000>,0.500000
<-6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,48.782074,-0.000000>,0.500000
<-6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,49.782074,-0.000000>,0.500000
<-6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,50.782074,-0.000000>,0.500000
<-5.740252,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,51.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,47.489178,-0.000000>,0.500000
<-7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,48.196285,-0.000000>,0.500000
<-7.919832,49.120167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.919832,49.120167,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,43.086555,-0.000000>,0.500000
<-4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,44.010433,-0.000000>,0.500000
<-5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,44.934315,-0.000000>,0.500000
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,45.858192,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,47.782074,-0.000000>,0.500000
<-6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,48.782074,-0.000000>,0.500000
<-6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,49.782074,-0.000000>,0.500000
<-6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,50.782074,-0.000000>,0.500000
<-6.122935,51.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,51.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,51.782074,-0.000000>,0.500000
<-6.122935,52.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,52.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,52.782074,-0.000000>,0.500000
<-6.505619,53.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,53.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,53.705952,-0.000000>,0.500000
<-6.888302,54.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,54.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,54.629833,-0.000000>,0.500000
<-6.888302,55.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,55.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,52.782074,-0.000000>,0.500000
<-6.122935,53.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,53.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,53.782074,-0.000000>,0.500000
<-6.122935,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,54.782074,-0.000000>,0.500000
<-5.740252,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,52.782074,-0.000000>,0.500000
<-6.122935,53.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,53.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,53.782074,-0.000000>,0.500000
<-6.122935,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,54.782074,-0.000000>,0.500000
<-5.740252,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,55.705952,-0.000000>,0.500000
<-5.357568,56.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,56.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,56.629833,-0.000000>,0.500000
<-4.974885,57.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,57.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,57.553711,-0.000000>,0.500000
<-4.592201,58.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,58.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,58.477592,-0.000000>,0.500000
<-3.885094,59.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.885094,59.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,54.782074,-0.000000>,0.500000
<-6.505619,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,55.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,55.705952,-0.000000>,0.500000
<-6.888302,56.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,56.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,56.629833,-0.000000>,0.500000
<-6.888302,57.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,57.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,47.489178,-0.000000>,0.500000
<-7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,48.196285,-0.000000>,0.500000
<-8.461028,48.578968,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.461028,48.578968,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.461028,48.578968,-0.000000>,0.500000
<-9.384908,48.961655,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.384908,48.961655,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.384908,48.961655,-0.000000>,0.500000
<-10.092014,49.668758,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.092014,49.668758,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,48.196285,-0.000000>,0.500000
<-8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244255,48.903393,-0.000000>,0.500000
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-9.334045,50.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.334045,50.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,48.196285,-0.000000>,0.500000
<-8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244255,48.903393,-0.000000>,0.500000
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-9.334045,50.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.334045,50.534378,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.334045,50.534378,-0.000000>,0.500000
<-9.716729,51.458260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.716729,51.458260,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.716729,51.458260,-0.000000>,0.500000
<-10.099412,52.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.099412,52.382137,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.099412,52.382137,-0.000000>,0.500000
<-10.482096,53.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.482096,53.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.482096,53.306019,-0.000000>,0.500000
<-10.482096,54.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.482096,54.306019,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-9.875241,49.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.875241,49.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.875241,49.993183,-0.000000>,0.500000
<-10.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,50.375866,-0.000000>,0.500000
<-11.506227,51.082973,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.506227,51.082973,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,39.391037,-0.000000>,0.500000
<-3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,40.314915,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,40.314915,-0.000000>,0.500000
<-3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,41.238796,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,41.238796,-0.000000>,0.500000
<-4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,42.162674,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,42.162674,-0.000000>,0.500000
<-4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,43.086555,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,43.086555,-0.000000>,0.500000
<-4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,44.010433,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,44.010433,-0.000000>,0.500000
<-5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,44.934315,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,44.934315,-0.000000>,0.500000
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,45.858192,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,45.858192,-0.000000>,0.500000
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,46.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,47.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,47.782074,-0.000000>,0.500000
<-6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,48.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,48.782074,-0.000000>,0.500000
<-6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,49.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,49.782074,-0.000000>,0.500000
<-6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,50.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,50.782074,-0.000000>,0.500000
<-6.122935,51.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,51.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,51.782074,-0.000000>,0.500000
<-6.122935,52.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,52.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,52.782074,-0.000000>,0.500000
<-6.122935,53.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,53.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,53.782074,-0.000000>,0.500000
<-6.122935,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,54.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,54.782074,-0.000000>,0.500000
<-6.122935,55.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,55.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,55.782074,-0.000000>,0.500000
<-6.122935,56.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,56.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,56.782074,-0.000000>,0.500000
<-6.122935,57.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,57.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,57.782074,-0.000000>,0.500000
<-6.122935,58.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,58.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,58.782074,-0.000000>,0.500000
<-6.505619,59.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,59.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,59.705952,-0.000000>,0.500000
<-6.888302,60.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,60.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,60.629833,-0.000000>,0.500000
<-7.595408,61.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.595408,61.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.595408,61.336937,-0.000000>,0.500000
<-8.302515,62.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.302515,62.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.302515,62.044044,-0.000000>,0.500000
<-8.685199,62.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.685199,62.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,60.629833,-0.000000>,0.500000
<-7.270985,61.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,61.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,61.553711,-0.000000>,0.500000
<-7.653669,62.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,62.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,62.477592,-0.000000>,0.500000
<-7.653669,63.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,63.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,60.629833,-0.000000>,0.500000
<-7.270985,61.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,61.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,61.553711,-0.000000>,0.500000
<-7.653669,62.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,62.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,62.477592,-0.000000>,0.500000
<-7.653669,63.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,63.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,63.477592,-0.000000>,0.500000
<-7.653669,64.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,64.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,64.477592,-0.000000>,0.500000
<-7.653669,65.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,65.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,65.477592,-0.000000>,0.500000
<-7.653669,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,66.477592,-0.000000>,0.500000
<-7.270985,67.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,67.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,62.477592,-0.000000>,0.500000
<-8.360775,63.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.360775,63.184696,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.360775,63.184696,-0.000000>,0.500000
<-9.067883,63.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.067883,63.891804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.067883,63.891804,-0.000000>,0.500000
<-9.450565,64.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,64.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,58.782074,-0.000000>,0.500000
<-6.122935,59.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,59.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,59.782074,-0.000000>,0.500000
<-6.122935,60.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,60.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,60.782074,-0.000000>,0.500000
<-6.505619,61.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,61.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,61.705952,-0.000000>,0.500000
<-6.888302,62.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,62.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,62.629833,-0.000000>,0.500000
<-6.888302,63.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,63.629833,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,60.782074,-0.000000>,0.500000
<-6.122935,61.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,61.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,61.782074,-0.000000>,0.500000
<-6.122935,62.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,62.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,62.782074,-0.000000>,0.500000
<-5.740252,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,60.782074,-0.000000>,0.500000
<-6.122935,61.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,61.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,61.782074,-0.000000>,0.500000
<-6.122935,62.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,62.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,62.782074,-0.000000>,0.500000
<-5.740252,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,63.705952,-0.000000>,0.500000
<-5.357568,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,64.629829,-0.000000>,0.500000
<-4.974885,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,65.553711,-0.000000>,0.500000
<-4.592201,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,66.477592,-0.000000>,0.500000
<-3.885094,67.184700,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.885094,67.184700,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,62.782074,-0.000000>,0.500000
<-6.505619,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,63.705952,-0.000000>,0.500000
<-6.888302,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,64.629829,-0.000000>,0.500000
<-6.888302,65.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,65.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,58.782074,-0.000000>,0.500000
<-6.122935,59.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,59.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,59.782074,-0.000000>,0.500000
<-6.122935,60.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,60.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,60.782074,-0.000000>,0.500000
<-6.122935,61.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,61.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,61.782074,-0.000000>,0.500000
<-6.122935,62.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.122935,62.782074,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,62.782074,-0.000000>,0.500000
<-5.740252,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.740252,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.740252,63.705952,-0.000000>,0.500000
<-5.357568,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-5.357568,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-5.357568,64.629829,-0.000000>,0.500000
<-4.974885,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.974885,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.974885,65.553711,-0.000000>,0.500000
<-4.592201,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.592201,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.592201,66.477592,-0.000000>,0.500000
<-4.209518,67.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-4.209518,67.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-4.209518,67.401466,-0.000000>,0.500000
<-3.826834,68.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,68.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,68.325348,-0.000000>,0.500000
<-3.826834,69.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,69.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,69.325348,-0.000000>,0.500000
<-3.826834,70.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.826834,70.325348,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,70.325348,-0.000000>,0.500000
<-3.444151,71.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,71.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,68.325348,-0.000000>,0.500000
<-3.444151,69.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,69.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,69.249229,-0.000000>,0.500000
<-3.061467,70.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,70.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,70.173111,-0.000000>,0.500000
<-2.354361,70.880219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.354361,70.880219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.826834,68.325348,-0.000000>,0.500000
<-3.444151,69.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.444151,69.249229,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.444151,69.249229,-0.000000>,0.500000
<-3.061467,70.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,70.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,70.173111,-0.000000>,0.500000
<-2.354361,70.880219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.354361,70.880219,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-2.354361,70.880219,-0.000000>,0.500000
<-1.647254,71.587326,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-1.647254,71.587326,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-1.647254,71.587326,-0.000000>,0.500000
<-0.940147,72.294426,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.940147,72.294426,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.940147,72.294426,-0.000000>,0.500000
<-0.233040,73.001534,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-0.233040,73.001534,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-0.233040,73.001534,-0.000000>,0.500000
<0.690839,73.384216,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<0.690839,73.384216,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,70.173111,-0.000000>,0.500000
<-3.061467,71.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,71.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,71.173111,-0.000000>,0.500000
<-3.061467,72.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-3.061467,72.173111,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-3.061467,72.173111,-0.000000>,0.500000
<-2.678784,73.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-2.678784,73.096985,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,62.782074,-0.000000>,0.500000
<-6.505619,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.505619,63.705952,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.505619,63.705952,-0.000000>,0.500000
<-6.888302,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.888302,64.629829,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,64.629829,-0.000000>,0.500000
<-7.595408,65.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.595408,65.336937,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.595408,65.336937,-0.000000>,0.500000
<-8.302515,66.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.302515,66.044044,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.302515,66.044044,-0.000000>,0.500000
<-8.685199,66.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.685199,66.967926,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,64.629829,-0.000000>,0.500000
<-7.270985,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,65.553711,-0.000000>,0.500000
<-7.653669,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,66.477592,-0.000000>,0.500000
<-7.653669,67.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,67.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.888302,64.629829,-0.000000>,0.500000
<-7.270985,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,65.553711,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.270985,65.553711,-0.000000>,0.500000
<-7.653669,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,66.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,66.477592,-0.000000>,0.500000
<-7.653669,67.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,67.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,67.477592,-0.000000>,0.500000
<-7.653669,68.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,68.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,68.477592,-0.000000>,0.500000
<-7.653669,69.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,69.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,69.477592,-0.000000>,0.500000
<-7.653669,70.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.653669,70.477592,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,70.477592,-0.000000>,0.500000
<-7.270985,71.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.270985,71.401466,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.653669,66.477592,-0.000000>,0.500000
<-8.360775,67.184700,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.360775,67.184700,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.360775,67.184700,-0.000000>,0.500000
<-9.067883,67.891808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.067883,67.891808,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.067883,67.891808,-0.000000>,0.500000
<-9.450565,68.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.450565,68.815681,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.122935,46.782074,-0.000000>,0.500000
<-6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-6.830042,47.489178,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-6.830042,47.489178,-0.000000>,0.500000
<-7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-7.537148,48.196285,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-7.537148,48.196285,-0.000000>,0.500000
<-8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.244255,48.903393,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.244255,48.903393,-0.000000>,0.500000
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-8.951362,49.610500,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-9.875241,49.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.875241,49.993183,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.875241,49.993183,-0.000000>,0.500000
<-10.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,50.375866,-0.000000>,0.500000
<-11.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.799121,50.375866,-0.000000>,0.500000
<-12.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.799121,50.375866,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.799121,50.375866,-0.000000>,0.500000
<-13.723001,50.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.723001,50.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,50.375866,-0.000000>,0.500000
<-11.723001,50.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.723001,50.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.723001,50.758549,-0.000000>,0.500000
<-12.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.646880,51.141232,-0.000000>,0.500000
<-13.353987,51.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.353987,51.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.799121,50.375866,-0.000000>,0.500000
<-11.723001,50.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.723001,50.758549,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.723001,50.758549,-0.000000>,0.500000
<-12.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.646880,51.141232,-0.000000>,0.500000
<-13.353987,51.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.353987,51.848339,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.353987,51.848339,-0.000000>,0.500000
<-14.061093,52.555447,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.061093,52.555447,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.061093,52.555447,-0.000000>,0.500000
<-14.768201,53.262554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.768201,53.262554,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.768201,53.262554,-0.000000>,0.500000
<-15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,53.969662,-0.000000>,0.500000
<-15.857990,54.893539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.857990,54.893539,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.646880,51.141232,-0.000000>,0.500000
<-13.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.646880,51.141232,-0.000000>,0.500000
<-14.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.646880,51.141232,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.646880,51.141232,-0.000000>,0.500000
<-15.570760,51.523918,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.570760,51.523918,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-9.658469,50.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.658469,50.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.658469,50.317608,-0.000000>,0.500000
<-10.365576,51.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.365576,51.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,51.024712,-0.000000>,0.500000
<-11.289455,51.407398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.289455,51.407398,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.289455,51.407398,-0.000000>,0.500000
<-12.213335,51.790081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.213335,51.790081,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.213335,51.790081,-0.000000>,0.500000
<-12.920442,52.497189,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.920442,52.497189,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,51.024712,-0.000000>,0.500000
<-11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.072682,51.731819,-0.000000>,0.500000
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,51.024712,-0.000000>,0.500000
<-11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.072682,51.731819,-0.000000>,0.500000
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.162473,53.362804,-0.000000>,0.500000
<-12.545156,54.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.545156,54.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.545156,54.286686,-0.000000>,0.500000
<-12.927839,55.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.927839,55.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.927839,55.210564,-0.000000>,0.500000
<-13.310523,56.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.310523,56.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.310523,56.134445,-0.000000>,0.500000
<-13.310523,57.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.310523,57.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.703669,52.821609,-0.000000>,0.500000
<-13.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,53.204292,-0.000000>,0.500000
<-14.334655,53.911400,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.334655,53.911400,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-8.951362,49.610500,-0.000000>,0.500000
<-9.658469,50.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-9.658469,50.317608,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-9.658469,50.317608,-0.000000>,0.500000
<-10.365576,51.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-10.365576,51.024712,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-10.365576,51.024712,-0.000000>,0.500000
<-11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.072682,51.731819,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.072682,51.731819,-0.000000>,0.500000
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-11.779789,52.438927,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.162473,53.362804,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.162473,53.362804,-0.000000>,0.500000
<-12.545156,54.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.545156,54.286686,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.545156,54.286686,-0.000000>,0.500000
<-12.927839,55.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.927839,55.210564,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.927839,55.210564,-0.000000>,0.500000
<-13.310523,56.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.310523,56.134445,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.310523,56.134445,-0.000000>,0.500000
<-13.693207,57.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.693207,57.058323,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.693207,57.058323,-0.000000>,0.500000
<-14.075890,57.982204,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.075890,57.982204,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,57.982204,-0.000000>,0.500000
<-14.782996,58.689312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.782996,58.689312,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.782996,58.689312,-0.000000>,0.500000
<-15.490104,59.396416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.490104,59.396416,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.490104,59.396416,-0.000000>,0.500000
<-15.872787,60.320297,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.872787,60.320297,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,57.982204,-0.000000>,0.500000
<-14.458573,58.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.458573,58.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.458573,58.906082,-0.000000>,0.500000
<-14.841257,59.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,59.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,59.829964,-0.000000>,0.500000
<-14.841257,60.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,60.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.075890,57.982204,-0.000000>,0.500000
<-14.458573,58.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.458573,58.906082,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.458573,58.906082,-0.000000>,0.500000
<-14.841257,59.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,59.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,59.829964,-0.000000>,0.500000
<-14.841257,60.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,60.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,60.829964,-0.000000>,0.500000
<-14.841257,61.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,61.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,61.829964,-0.000000>,0.500000
<-14.841257,62.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,62.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,62.829964,-0.000000>,0.500000
<-14.841257,63.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.841257,63.829964,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,63.829964,-0.000000>,0.500000
<-14.458573,64.753845,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.458573,64.753845,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.841257,59.829964,-0.000000>,0.500000
<-15.548364,60.537071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.548364,60.537071,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.548364,60.537071,-0.000000>,0.500000
<-16.255470,61.244175,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.255470,61.244175,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.255470,61.244175,-0.000000>,0.500000
<-16.638153,62.168056,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.638153,62.168056,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-11.779789,52.438927,-0.000000>,0.500000
<-12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-12.703669,52.821609,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-12.703669,52.821609,-0.000000>,0.500000
<-13.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-13.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,53.204292,-0.000000>,0.500000
<-14.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.627548,53.204292,-0.000000>,0.500000
<-15.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.627548,53.204292,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.627548,53.204292,-0.000000>,0.500000
<-16.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,53.204292,-0.000000>,0.500000
<-14.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.551428,53.586979,-0.000000>,0.500000
<-15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,53.969662,-0.000000>,0.500000
<-16.182415,54.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.182415,54.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-13.627548,53.204292,-0.000000>,0.500000
<-14.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-14.551428,53.586979,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-14.551428,53.586979,-0.000000>,0.500000
<-15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-15.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,53.969662,-0.000000>,0.500000
<-16.182415,54.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.182415,54.676765,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.182415,54.676765,-0.000000>,0.500000
<-16.889521,55.383873,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.889521,55.383873,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.889521,55.383873,-0.000000>,0.500000
<-17.596628,56.090981,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.596628,56.090981,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.596628,56.090981,-0.000000>,0.500000
<-18.303734,56.798088,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.303734,56.798088,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-18.303734,56.798088,-0.000000>,0.500000
<-18.686419,57.721966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.686419,57.721966,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-15.475307,53.969662,-0.000000>,0.500000
<-16.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-16.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-16.475307,53.969662,-0.000000>,0.500000
<-17.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-17.475307,53.969662,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
cone {
<-17.475307,53.969662,-0.000000>,0.500000
<-18.399187,54.352345,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
sphere {
<-18.399187,54.352345,-0.000000>,0.500000
pigment {color red 1 green 1 blue 1}
}
camera {location  <1, 47.870163, 95.740326>
look_at   <0, 47.870163,  0>
}
