# Copies the text file IN to OUT with CRLF line ends.
#   cmake -DIN=file -DOUT=file -P crlf.cmake
file(READ ${IN} text)
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
