<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
  <context>
    <name>Velmora</name>
    <message>
      <source>White: %1; %2.</source>
      <translation>Beyaz: %1; %2.</translation>
    </message>
    <message>
      <source>Black: %1; %2.</source>
      <translation>Siyah: %1; %2.</translation>
    </message>
    <message>
      <source>no men</source>
      <translation>taş yok</translation>
    </message>
    <message>
      <source>men %1</source>
      <translation>taşlar %1</translation>
    </message>
    <message>
      <source>no kings</source>
      <translation>dama yok</translation>
    </message>
    <message>
      <source>kings %1</source>
      <translation>damalar %1</translation>
    </message>
    <message>
      <source>White to move.</source>
      <translation>Sıra beyazda.</translation>
    </message>
    <message>
      <source>Black to move.</source>
      <translation>Sıra siyahta.</translation>
    </message>
    <message>
      <source>Last move: %1.</source>
      <translation>Son hamle: %1.</translation>
    </message>
    <message>
      <source>Official rules</source>
      <translation>Resmî kurallar</translation>
    </message>
    <message>
      <source>Break AI move. Are you sure?</source>
      <translation>Bilgisayarın hamlesi kesilsin mi? Emin misiniz?</translation>
    </message>
    <message>
      <source> or </source>
      <translation> veya </translation>
    </message>
    <message>
      <source>no legal move is written so</source>
      <translation>hiçbir geçerli hamle böyle yazılmaz</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or 22-18</source>
      <translation>“%1” bir hamle değil: c3-d4 veya 22-18 gibi yazın</translation>
    </message>
    <message>
      <source>"%1" is not a move: write it as c3-d4 or c3:e5</source>
      <translation>“%1” bir hamle değil: c3-d4 veya c3:e5 gibi yazın</translation>
    </message>
    <message>
      <source>There is no piece on %1</source>
      <translation>%1 karesinde taş yok</translation>
    </message>
    <message>
      <source>White is to move</source>
      <translation>Sıra beyazda</translation>
    </message>
    <message>
      <source>Black is to move</source>
      <translation>Sıra siyahta</translation>
    </message>
    <message>
      <source>The piece cannot go there</source>
      <translation>Taş oraya gidemez</translation>
    </message>
    <message>
      <source>A capture is compulsory: %1 must capture</source>
      <translation>Almak zorunlu: %1 almalı</translation>
    </message>
    <message>
      <source>That piece has no legal move</source>
      <translation>Bu taşın geçerli hamlesi yok</translation>
    </message>
    <message>
      <source>Please select full path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Lütfen hamlenin bütün yolunu seçin.
Ayrıca bkz. kılavuz (İngilizce) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Please select path of movement.
See also Manual -&gt; How to make move</source>
      <translation>Lütfen hamlenin yolunu seçin.
Ayrıca bkz. kılavuz (İngilizce) -&gt; How to make move</translation>
    </message>
    <message>
      <source>Player 1</source>
      <translation>Oyuncu 1</translation>
    </message>
    <message>
      <source>Player 2</source>
      <translation>Oyuncu 2</translation>
    </message>
    <message>
      <source>Please enter any other name (WHITE SIDE)</source>
      <translation>Lütfen başka bir ad girin (BEYAZ)</translation>
    </message>
    <message>
      <source>Please enter any other name (BLACK SIDE)</source>
      <translation>Lütfen başka bir ad girin (SİYAH)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE AND BLACK SIDES)</source>
      <translation>Lütfen adları girin (BEYAZ VE SİYAH)</translation>
    </message>
    <message>
      <source>Please enter name (WHITE SIDE)</source>
      <translation>Lütfen bir ad girin (BEYAZ)</translation>
    </message>
    <message>
      <source>Please enter name (BLACK SIDE)</source>
      <translation>Lütfen bir ad girin (SİYAH)</translation>
    </message>
    <message>
      <source>Game over.
White wins.</source>
      <translation>Oyun bitti.
Beyaz kazandı.</translation>
    </message>
    <message>
      <source>Game over.
Black wins.</source>
      <translation>Oyun bitti.
Siyah kazandı.</translation>
    </message>
    <message>
      <source>Game over.
No capture in 15 last moves.
This game is a draw</source>
      <translation>Oyun bitti.
Son 15 hamlede taş alınmadı.
Oyun berabere</translation>
    </message>
    <message>
      <source>Limit of amount movements has been reached.
Game over.</source>
      <translation>Hamle sayısı sınırına ulaşıldı.
Oyun bitti.</translation>
    </message>
    <message>
      <source>win in %1</source>
      <translation>%1 hamlede kazanç</translation>
    </message>
    <message>
      <source>loss in %1</source>
      <translation>%1 hamlede kayıp</translation>
    </message>
    <message>
      <source>draw</source>
      <translation>berabere</translation>
    </message>
    <message>
      <source>White wins</source>
      <translation>Beyaz kazandı</translation>
    </message>
    <message>
      <source>Black wins</source>
      <translation>Siyah kazandı</translation>
    </message>
    <message>
      <source>Draw</source>
      <translation>Berabere</translation>
    </message>
    <message>
      <source>White wins in %1</source>
      <translation>Beyaz %1 hamlede kazanır</translation>
    </message>
    <message>
      <source>Black wins in %1</source>
      <translation>Siyah %1 hamlede kazanır</translation>
    </message>
    <message>
      <source>A white man stands on its crowning row, on %1.</source>
      <translation>Bir beyaz taş kendi dama satırında, %1 karesinde duruyor.</translation>
    </message>
    <message>
      <source>A black man stands on its crowning row, on %1.</source>
      <translation>Bir siyah taş kendi dama satırında, %1 karesinde duruyor.</translation>
    </message>
    <message>
      <source>A white man stands on %1, where white men never come.</source>
      <translation>Bir beyaz taş, beyaz taşların hiç gelmediği %1 karesinde duruyor.</translation>
    </message>
    <message>
      <source>A black man stands on %1, where black men never come.</source>
      <translation>Bir siyah taş, siyah taşların hiç gelmediği %1 karesinde duruyor.</translation>
    </message>
    <message>
      <source>White has no piece.</source>
      <translation>Beyazın hiç taşı yok.</translation>
    </message>
    <message>
      <source>Black has no piece.</source>
      <translation>Siyahın hiç taşı yok.</translation>
    </message>
    <message>
      <source>White has %1 pieces; a %2 game starts with %3.</source>
      <translation>Beyazın %1 taşı var; %2 oyunu %3 taşla başlar.</translation>
    </message>
    <message>
      <source>Black has %1 pieces; a %2 game starts with %3.</source>
      <translation>Siyahın %1 taşı var; %2 oyunu %3 taşla başlar.</translation>
    </message>
    <message>
      <source>Capture</source>
      <translation>Alma</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Hata</translation>
    </message>
    <message>
      <source>Movement</source>
      <translation>Hamle</translation>
    </message>
    <message>
      <source>Promotion</source>
      <translation>Terfi</translation>
    </message>
    <message>
      <source>Setting up a position</source>
      <translation>Konum kuruluyor</translation>
    </message>
    <message>
      <source>The Expert goes over the game</source>
      <translation>Uzman oyunu gözden geçiriyor</translation>
    </message>
    <message>
      <source>Game over: White wins</source>
      <translation>Oyun bitti: beyaz kazandı</translation>
    </message>
    <message>
      <source>Game over: Black wins</source>
      <translation>Oyun bitti: siyah kazandı</translation>
    </message>
    <message>
      <source>Game over: a draw</source>
      <translation>Oyun bitti: berabere</translation>
    </message>
    <message>
      <source>The game is stopped</source>
      <translation>Oyun durduruldu</translation>
    </message>
    <message>
      <source>No game is running</source>
      <translation>Süren bir oyun yok</translation>
    </message>
    <message>
      <source>The computer thinks</source>
      <translation>Bilgisayar düşünüyor</translation>
    </message>
    <message>
      <source>The computer thinks (depth %1, %2)</source>
      <translation>Bilgisayar düşünüyor (derinlik %1, %2)</translation>
    </message>
    <message>
      <source>Waiting for the opponent's move</source>
      <translation>Rakibin hamlesi bekleniyor</translation>
    </message>
    <message>
      <source>Paused</source>
      <translation>Duraklatıldı</translation>
    </message>
    <message>
      <source>Hint: %1</source>
      <translation>İpucu: %1</translation>
    </message>
    <message>
      <source>White must capture</source>
      <translation>Beyaz taş almak zorunda</translation>
    </message>
    <message>
      <source>Black must capture</source>
      <translation>Siyah taş almak zorunda</translation>
    </message>
    <message>
      <source>White to move</source>
      <translation>Sıra beyazda</translation>
    </message>
    <message>
      <source>Black to move</source>
      <translation>Sıra siyahta</translation>
    </message>
    <message>
      <source>Please enter your name.</source>
      <translation>Lütfen adınızı girin.</translation>
    </message>
    <message>
      <source>Please enter serever's IP address.</source>
      <translation>Lütfen sunucunun IP adresini girin.</translation>
    </message>
    <message>
      <source>Please enter serever's port.</source>
      <translation>Lütfen sunucunun bağlantı noktasını girin.</translation>
    </message>
    <message>
      <source>Port number must be more or equal then 1024.</source>
      <translation>Bağlantı noktası en az 1024 olmalı.</translation>
    </message>
    <message>
      <source>Port number must be 65535 or less.</source>
      <translation>Bağlantı noktası en çok 65535 olmalı.</translation>
    </message>
    <message>
      <source>The engine does not play this variant:</source>
      <translation>Motor bu çeşidi oynamıyor:</translation>
    </message>
    <message>
      <source>The engine reported an error:</source>
      <translation>Motor bir hata bildirdi:</translation>
    </message>
    <message>
      <source>The engine was closed.</source>
      <translation>Motor kapatıldı.</translation>
    </message>
    <message>
      <source>The engine played a move that is not legal here:</source>
      <translation>Motor burada yasal olmayan bir hamle oynadı:</translation>
    </message>
    <message>
      <source>Your opponent has not answered for too long. Connection lost.</source>
      <translation>Rakibiniz çok uzun süredir yanıt vermedi. Bağlantı koptu.</translation>
    </message>
    <message>
      <source>Connection lost. Send data error.</source>
      <translation>Bağlantı koptu. Veri gönderme hatası.</translation>
    </message>
    <message>
      <source>Connection lost. Receive data error.</source>
      <translation>Bağlantı koptu. Veri alma hatası.</translation>
    </message>
    <message>
      <source>The server sent a game that cannot be read. Connection lost.</source>
      <translation>Sunucu okunamayan bir oyun gönderdi. Bağlantı koptu.</translation>
    </message>
    <message>
      <source>Your opponent's move is not legal. The game was canceled.</source>
      <translation>Rakibinizin hamlesi geçerli değil. Oyun iptal edildi.</translation>
    </message>
    <message>
      <source>The game was canceled</source>
      <translation>Oyun iptal edildi</translation>
    </message>
    <message>
      <source>The game was changed by your opponent. Do you want to continue?</source>
      <translation>Rakibiniz oyunu değiştirdi. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
      <source>Your opponent has left the game. Connection lost.</source>
      <translation>Rakibiniz oyundan ayrıldı. Bağlantı koptu.</translation>
    </message>
    <message>
      <source>Break send. Are you sure?</source>
      <translation>Gönderme kesilsin mi? Emin misiniz?</translation>
    </message>
    <message>
      <source>Break receive. Are you sure?</source>
      <translation>Alma kesilsin mi? Emin misiniz?</translation>
    </message>
    <message>
      <source>Could not create socket</source>
      <translation>Soket oluşturulamadı</translation>
    </message>
    <message>
      <source>Could not bind socket</source>
      <translation>Soket bağlanamadı</translation>
    </message>
    <message>
      <source>Could not listen soket</source>
      <translation>Soket dinlenemedi</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Bilgisayar</translation>
    </message>
    <message>
      <source>expected %1, found %2</source>
      <translation>beklenen: %1, bulunan: %2</translation>
    </message>
    <message>
      <source>square %1 is given twice</source>
      <translation>%1 karesi iki kez verilmiş</translation>
    </message>
    <message>
      <source>expected a square or a range such as 1-12, found %1</source>
      <translation>bir kare ya da 1-12 gibi bir aralık bekleniyordu, bulunan: %1</translation>
    </message>
    <message>
      <source>expected W or B before a list of squares, found %1</source>
      <translation>kare listesinden önce W ya da B bekleniyordu, bulunan: %1</translation>
    </message>
    <message>
      <source>FEN: expected the side to move, W or B, at the start, found %1</source>
      <translation>FEN: başta hamle sırası olan taraf, W ya da B bekleniyordu, bulunan: %1</translation>
    </message>
    <message>
      <source>FEN: the colour %1 is given twice</source>
      <translation>FEN: %1 rengi iki kez verilmiş</translation>
    </message>
    <message>
      <source>FEN, field %1: %2</source>
      <translation>FEN, alan %1: %2</translation>
    </message>
    <message>
      <source>a square from a1 to %1</source>
      <translation>a1 ile %1 arasında bir kare</translation>
    </message>
    <message>
      <source>a square number from 1 to %1</source>
      <translation>1 ile %1 arasında bir kare numarası</translation>
    </message>
    <message>
      <source>line %1</source>
      <translation>satır %1</translation>
    </message>
    <message>
      <source>the comment begun by "{" is not closed by "}"</source>
      <translation>"{" ile başlayan yorum "}" ile kapatılmamış</translation>
    </message>
    <message>
      <source>the variation begun by "(" is not closed by ")"</source>
      <translation>"(" ile başlayan varyant ")" ile kapatılmamış</translation>
    </message>
    <message>
      <source>expected a tag name after "[", as in [Event "..."]</source>
      <translation>"[" işaretinden sonra bir etiket adı bekleniyordu, [Event "..."] gibi</translation>
    </message>
    <message>
      <source>a game has more than %1 tags</source>
      <translation>bir oyunda %1 etiketten fazlası var</translation>
    </message>
    <message>
      <source>expected the value of tag %1 in quotes</source>
      <translation>%1 etiketinin değeri tırnak içinde bekleniyordu</translation>
    </message>
    <message>
      <source>the value of tag %1 is not closed by a quote</source>
      <translation>%1 etiketinin değeri tırnakla kapatılmamış</translation>
    </message>
    <message>
      <source>expected "]" to close tag %1</source>
      <translation>%1 etiketini kapatmak için "]" bekleniyordu</translation>
    </message>
    <message>
      <source>a game holds at most %1 moves</source>
      <translation>bir oyunda en çok %1 hamle olur</translation>
    </message>
    <message>
      <source>expected %1 in move %2, found %3</source>
      <translation>%2 hamlesinde beklenen: %1, bulunan: %3</translation>
    </message>
    <message>
      <source>%1 could be more than one capture; expected its full path</source>
      <translation>%1 birden çok alma olabilir; tam yolu bekleniyordu</translation>
    </message>
    <message>
      <source>%1 is not a legal move of White here</source>
      <translation>%1 burada Beyaz için geçerli bir hamle değil</translation>
    </message>
    <message>
      <source>%1 is not a legal move of Black here</source>
      <translation>%1 burada Siyah için geçerli bir hamle değil</translation>
    </message>
    <message>
      <source>unexpected %1</source>
      <translation>beklenmeyen: %1</translation>
    </message>
    <message>
      <source>expected a move, a move number or a result, found %1</source>
      <translation>bir hamle, hamle numarası ya da sonuç bekleniyordu, bulunan: %1</translation>
    </message>
    <message>
      <source>GameType %1 is not a variant this program plays</source>
      <translation>GameType %1 bu programın oynadığı bir çeşit değil</translation>
    </message>
    <message>
      <source>File exist. Overwrite?</source>
      <translation>Dosya zaten var. Üzerine yazılsın mı?</translation>
    </message>
    <message>
      <source>Error save game.</source>
      <translation>Oyun kaydedilirken hata oluştu.</translation>
    </message>
    <message>
      <source>Game saved.</source>
      <translation>Oyun kaydedildi.</translation>
    </message>
    <message>
      <source>Please enter name</source>
      <translation>Lütfen bir ad girin</translation>
    </message>
    <message>
      <source>A file name cannot hold any of \ / : * ? " &lt; &gt; | or control characters.</source>
      <translation>Dosya adı \ / : * ? " &lt; &gt; | karakterlerini ve denetim karakterlerini içeremez.</translation>
    </message>
    <message>
      <source>The name is too long for a file name.</source>
      <translation>Ad, bir dosya adı için çok uzun.</translation>
    </message>
    <message>
      <source>1. Simple</source>
      <translation>1. Sade</translation>
    </message>
    <message>
      <source>2. Design</source>
      <translation>2. Tasarım</translation>
    </message>
    <message>
      <source>3. Standard</source>
      <translation>3. Standart</translation>
    </message>
    <message>
      <source>4. Buttons</source>
      <translation>4. Düğmeler</translation>
    </message>
    <message>
      <source>5. Sky</source>
      <translation>5. Gökyüzü</translation>
    </message>
    <message>
      <source>6. Home</source>
      <translation>6. Ev</translation>
    </message>
    <message>
      <source>7. Stone</source>
      <translation>7. Taş</translation>
    </message>
    <message>
      <source>The endgame databases know the game from its start: %1.</source>
      <translation>Oyun sonu veritabanları oyunu baştan biliyor: %1.</translation>
    </message>
    <message>
      <source>After %1 the endgame databases know the game: %2.</source>
      <translation>%1 hamlesinden sonra oyun sonu veritabanları oyunu biliyor: %2.</translation>
    </message>
    <message>
      <source>Analysing %1/%2</source>
      <translation>Çözümleniyor %1/%2</translation>
    </message>
    <message>
      <source>Analysis done.</source>
      <translation>Çözümleme bitti.</translation>
    </message>
    <message>
      <source>White: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Beyaz: %1 hata (?), %2 büyük hata (??)</translation>
    </message>
    <message>
      <source>Black: %1 mistakes (?), %2 blunders (??)</source>
      <translation>Siyah: %1 hata (?), %2 büyük hata (??)</translation>
    </message>
    <message>
      <source>Board</source>
      <translation>Tahta</translation>
    </message>
    <message>
      <source>Move listing</source>
      <translation>Hamle listesi</translation>
    </message>
    <message>
      <source>About</source>
      <translation>Hakkında</translation>
    </message>
    <message>
      <source>Draughts in fourteen variants: American, Brazilian, Canadian, Crowded, Frisian, Gothic, International, Italian, Pool checkers, Russian, Spanish, Sparse checkers, Thai and Turkish.</source>
      <translation>On dört çeşit dama: Amerikan, Brezilya, Kanada, Sık, Friz, Gotik, Uluslararası, İtalyan, Pool, Rus, İspanyol, Seyrek, Tay ve Türk daması.</translation>
    </message>
    <message>
      <source>Version 1.0</source>
      <translation>Sürüm 1.0</translation>
    </message>
    <message>
      <source>Velmora is free software: you may share and change it under the GNU General Public License, version 3 or any later version (GPL-3.0-or-later).</source>
      <translation>Velmora özgür bir yazılımdır: GNU Genel Kamu Lisansı'nın 3. sürümü ya da daha sonraki herhangi bir sürümü (GPL-3.0-or-later) koşullarıyla paylaşabilir ve değiştirebilirsiniz.</translation>
    </message>
    <message>
      <source>It comes with no warranty, not even the implied warranty of merchantability or fitness for a particular purpose.</source>
      <translation>Hiçbir garanti olmaksızın sunulur; satılabilirlik ya da belirli bir amaca uygunluk gibi örtük bir garanti bile yoktur.</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>Tamam</translation>
    </message>
    <message>
      <source>Appearance</source>
      <translation>Görünüm</translation>
    </message>
    <message>
      <source>Show</source>
      <translation>Göster</translation>
    </message>
    <message>
      <source>AI progress</source>
      <translation>Bilgisayarın ilerlemesi</translation>
    </message>
    <message>
      <source>Coordinates</source>
      <translation>Koordinatlar</translation>
    </message>
    <message>
      <source>Last move</source>
      <translation>Son hamle</translation>
    </message>
    <message>
      <source>Legal moves</source>
      <translation>Geçerli hamleler</translation>
    </message>
    <message>
      <source>White on top</source>
      <translation>Beyaz üstte</translation>
    </message>
    <message>
      <source>Square numbers</source>
      <translation>Kare numaraları</translation>
    </message>
    <message>
      <source>Sliding moves</source>
      <translation>Kayan hamleler</translation>
    </message>
    <message>
      <source>Scale of board</source>
      <translation>Tahta boyutu</translation>
    </message>
    <message>
      <source>%1 %</source>
      <translation>%%1</translation>
    </message>
    <message>
      <source>Fit to window</source>
      <translation>Pencereye sığdır</translation>
    </message>
    <message>
      <source>Color</source>
      <translation>Renk</translation>
    </message>
    <message>
      <source>Pick from skin</source>
      <translation>Temadan al</translation>
    </message>
    <message>
      <source>Background:</source>
      <translation>Arka plan:</translation>
    </message>
    <message>
      <source>Ink:</source>
      <translation>Yazı:</translation>
    </message>
    <message>
      <source>Font</source>
      <translation>Yazı tipi</translation>
    </message>
    <message>
      <source>Select</source>
      <translation>Seç</translation>
    </message>
    <message>
      <source>Dragging piece</source>
      <translation>Sürüklenen taş</translation>
    </message>
    <message>
      <source>Drop shadow</source>
      <translation>Gölge</translation>
    </message>
    <message>
      <source>Opaque</source>
      <translation>Opak</translation>
    </message>
    <message>
      <source>Skins</source>
      <translation>Temalar</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Uygula</translation>
    </message>
    <message>
      <source>Set to default</source>
      <translation>Varsayılan</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Yardım</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>İptal</translation>
    </message>
    <message>
      <source>Play an engine</source>
      <translation>Bir motora karşı oyna</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Motor</translation>
    </message>
    <message>
      <source>&amp;Hub program:</source>
      <translation>&amp;Hub programı:</translation>
    </message>
    <message>
      <source>The engine's program and its arguments</source>
      <translation>Motorun programı ve argümanları</translation>
    </message>
    <message>
      <source>&amp;Browse...</source>
      <translation>&amp;Gözat...</translation>
    </message>
    <message>
      <source>Engine program</source>
      <translation>Motor programı</translation>
    </message>
    <message>
      <source>&amp;DamExchange program at:</source>
      <translation>&amp;DamExchange programı adresi:</translation>
    </message>
    <message>
      <source>The DamExchange program's address</source>
      <translation>DamExchange programının adresi</translation>
    </message>
    <message>
      <source>Port</source>
      <translation>Port</translation>
    </message>
    <message>
      <source>Port:</source>
      <translation>Port:</translation>
    </message>
    <message>
      <source>DamExchange plays International draughts only, and gives no hints.</source>
      <translation>DamExchange yalnızca uluslararası dama oynar ve ipucu vermez.</translation>
    </message>
    <message>
      <source>Game</source>
      <translation>Oyun</translation>
    </message>
    <message>
      <source>White</source>
      <translation>Beyaz</translation>
    </message>
    <message>
      <source>Black</source>
      <translation>Siyah</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 sn</translation>
    </message>
    <message>
      <source>Game type:</source>
      <translation>Oyun türü:</translation>
    </message>
    <message>
      <source>You play:</source>
      <translation>Siz oynuyorsunuz:</translation>
    </message>
    <message>
      <source>The engine's time a move:</source>
      <translation>Motorun hamle başına süresi:</translation>
    </message>
    <message>
      <source>&amp;Start a new game against it</source>
      <translation>Ona karşı yeni bir oyun &amp;başlat</translation>
    </message>
    <message>
      <source>Hint and the e&amp;valuation come from this engine</source>
      <translation>İpucu ve &amp;değerlendirme bu motordan gelir</translation>
    </message>
    <message>
      <source>Give the engine's program.</source>
      <translation>Motorun programını girin.</translation>
    </message>
    <message>
      <source>Give the DamExchange program's IPv4 address, such as 192.168.1.20.</source>
      <translation>DamExchange programının IPv4 adresini girin, örneğin 192.168.1.20.</translation>
    </message>
    <message>
      <source>Font chooser</source>
      <translation>Yazı tipi seçimi</translation>
    </message>
    <message>
      <source>Fonts</source>
      <translation>Yazı tipleri</translation>
    </message>
    <message>
      <source>Load game</source>
      <translation>Oyun aç</translation>
    </message>
    <message>
      <source>Saved games</source>
      <translation>Kayıtlı oyunlar</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Sil</translation>
    </message>
    <message>
      <source>File not selected</source>
      <translation>Dosya seçilmedi</translation>
    </message>
    <message>
      <source>File not found</source>
      <translation>Dosya bulunamadı</translation>
    </message>
    <message>
      <source>Delete the saved game %1?</source>
      <translation>Kayıtlı oyun %1 silinsin mi?</translation>
    </message>
    <message>
      <source>Error delete file</source>
      <translation>Dosya silinirken hata oluştu</translation>
    </message>
    <message>
      <source>Network game</source>
      <translation>Ağ oyunu</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Ad</translation>
    </message>
    <message>
      <source>Start game as</source>
      <translation>Oyuna şöyle başla</translation>
    </message>
    <message>
      <source>Server</source>
      <translation>Sunucu</translation>
    </message>
    <message>
      <source>Client</source>
      <translation>İstemci</translation>
    </message>
    <message>
      <source>Server's address</source>
      <translation>Sunucunun adresi</translation>
    </message>
    <message>
      <source>IP:</source>
      <translation>IP:</translation>
    </message>
    <message>
      <source>Game status</source>
      <translation>Oyunun durumu</translation>
    </message>
    <message>
      <source>New game</source>
      <translation>Yeni oyun</translation>
    </message>
    <message>
      <source>Continue current</source>
      <translation>Şimdikine devam</translation>
    </message>
    <message>
      <source>Side</source>
      <translation>Taraf</translation>
    </message>
    <message>
      <source>Game type</source>
      <translation>Oyun çeşidi</translation>
    </message>
    <message>
      <source>Give away</source>
      <translation>Kaybeden kazanır</translation>
    </message>
    <message>
      <source>Network games follow Velmora's classic rules.</source>
      <translation>Ağ oyunları Velmora'nın klasik kurallarına uyar.</translation>
    </message>
    <message>
      <source>Human</source>
      <translation>İnsan</translation>
    </message>
    <message>
      <source>White player: type</source>
      <translation>Beyaz oyuncu: tür</translation>
    </message>
    <message>
      <source>Black player: type</source>
      <translation>Siyah oyuncu: tür</translation>
    </message>
    <message>
      <source>White player: name</source>
      <translation>Beyaz oyuncu: ad</translation>
    </message>
    <message>
      <source>Black player: name</source>
      <translation>Siyah oyuncu: ad</translation>
    </message>
    <message>
      <source>Type:</source>
      <translation>Tür:</translation>
    </message>
    <message>
      <source>Name:</source>
      <translation>Ad:</translation>
    </message>
    <message>
      <source>AI level</source>
      <translation>Bilgisayar seviyesi</translation>
    </message>
    <message>
      <source>Easy</source>
      <translation>Kolay</translation>
    </message>
    <message>
      <source>Normal</source>
      <translation>Normal</translation>
    </message>
    <message>
      <source>Above normal</source>
      <translation>Normalin üstünde</translation>
    </message>
    <message>
      <source>Expert</source>
      <translation>Uzman</translation>
    </message>
    <message>
      <source>The federation's rules of the variant instead of Velmora's classic rules</source>
      <translation>Velmora'nın klasik kuralları yerine çeşidin federasyon kuralları</translation>
    </message>
    <message>
      <source>Rules</source>
      <translation>Kurallar</translation>
    </message>
    <message>
      <source>Save game</source>
      <translation>Oyunu kaydet</translation>
    </message>
    <message>
      <source>Name of the saved game</source>
      <translation>Kaydedilen oyunun adı</translation>
    </message>
    <message>
      <source>File name:</source>
      <translation>Dosya adı:</translation>
    </message>
    <message>
      <source>Sound settings</source>
      <translation>Ses ayarları</translation>
    </message>
    <message>
      <source>Sound events</source>
      <translation>Ses olayları</translation>
    </message>
    <message>
      <source>Event</source>
      <translation>Olay</translation>
    </message>
    <message>
      <source>File name</source>
      <translation>Dosya adı</translation>
    </message>
    <message>
      <source>Set default</source>
      <translation>Varsayılan</translation>
    </message>
    <message>
      <source>Play</source>
      <translation>Çal</translation>
    </message>
    <message>
      <source>Select...</source>
      <translation>Seç...</translation>
    </message>
    <message>
      <source>Set all</source>
      <translation>Hepsini aç</translation>
    </message>
    <message>
      <source>Reset all</source>
      <translation>Hepsini kapat</translation>
    </message>
    <message>
      <source>Please select a line in list box.</source>
      <translation>Lütfen listeden bir satır seçin.</translation>
    </message>
    <message>
      <source>Please select a wave file</source>
      <translation>Lütfen bir WAV dosyası seçin</translation>
    </message>
    <message>
      <source>Wave file (*.wav)</source>
      <translation>WAV dosyası (*.wav)</translation>
    </message>
    <message>
      <source>Waiting for client.</source>
      <translation>İstemci bekleniyor.</translation>
    </message>
    <message>
      <source>Trying connect to server.</source>
      <translation>Sunucuya bağlanılıyor.</translation>
    </message>
    <message>
      <source>Could not accept client</source>
      <translation>İstemci kabul edilemedi</translation>
    </message>
    <message>
      <source>Could not connect to server</source>
      <translation>Sunucuya bağlanılamadı</translation>
    </message>
    <message>
      <source>The connection to the DamExchange program broke.</source>
      <translation>DamExchange programıyla bağlantı koptu.</translation>
    </message>
    <message>
      <source>The DamExchange program did not answer the game request.</source>
      <translation>DamExchange programı oyun isteğini yanıtlamadı.</translation>
    </message>
    <message>
      <source>Could not connect to the DamExchange program at</source>
      <translation>DamExchange programına bağlanılamadı:</translation>
    </message>
    <message>
      <source>The DamExchange program refused the game, with code</source>
      <translation>DamExchange programı oyunu reddetti, kod</translation>
    </message>
    <message>
      <source>The engine did not answer in time.</source>
      <translation>Motor zamanında yanıt vermedi.</translation>
    </message>
    <message>
      <source>The DamExchange program sent a message that does not read:</source>
      <translation>DamExchange programı okunamayan bir ileti gönderdi:</translation>
    </message>
    <message>
      <source>The DamExchange program ended the game.</source>
      <translation>DamExchange programı oyunu bitirdi.</translation>
    </message>
    <message>
      <source>The DamExchange program sent something other than a move.</source>
      <translation>DamExchange programı hamle olmayan bir şey gönderdi.</translation>
    </message>
    <message>
      <source>The engine's game ends here:</source>
      <translation>Motorun oyunu burada bitiyor:</translation>
    </message>
    <message>
      <source>The engine gives no hint:</source>
      <translation>Motor ipucu vermiyor:</translation>
    </message>
    <message>
      <source>No score from the engine</source>
      <translation>Motordan değerlendirme yok</translation>
    </message>
    <message>
      <source>Velmora manual</source>
      <translation>Velmora kılavuzu (İngilizce)</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Geri</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>İleri</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Başlangıç</translation>
    </message>
    <message>
      <source>No web browser could be started for %1.</source>
      <translation>%1 için web tarayıcısı başlatılamadı.</translation>
    </message>
    <message>
      <source>Save current game?</source>
      <translation>Şimdiki oyun kaydedilsin mi?</translation>
    </message>
    <message>
      <source>Export board picture</source>
      <translation>Tahta resmini dışa aktar</translation>
    </message>
    <message>
      <source>PNG picture (*.png);;SVG picture (*.svg)</source>
      <translation>PNG resmi (*.png);;SVG resmi (*.svg)</translation>
    </message>
    <message>
      <source>Size in pixels:</source>
      <translation>Piksel olarak boyut:</translation>
    </message>
    <message>
      <source>Making the endgame databases for %1</source>
      <translation>%1 için oyun sonu veritabanları oluşturuluyor</translation>
    </message>
    <message>
      <source>Reading the endgame databases for %1</source>
      <translation>%1 için oyun sonu veritabanları okunuyor</translation>
    </message>
    <message>
      <source>Velmora cannot keep its settings; it plays without them.</source>
      <translation>Velmora ayarlarını saklayamıyor; onlarsız oynuyor.</translation>
    </message>
    <message>
      <source>The settings were not saved:</source>
      <translation>Ayarlar kaydedilmedi:</translation>
    </message>
    <message>
      <source>No engine program is set.</source>
      <translation>Ayarlı bir motor programı yok.</translation>
    </message>
    <message>
      <source>The engine could not be started:</source>
      <translation>Motor başlatılamadı:</translation>
    </message>
    <message>
      <source>The engine crashed.</source>
      <translation>Motor çöktü.</translation>
    </message>
    <message>
      <source>The engine ended, with exit code</source>
      <translation>Motor sona erdi, çıkış kodu</translation>
    </message>
    <message>
      <source>The engine sent a line too long.</source>
      <translation>Motor çok uzun bir satır gönderdi.</translation>
    </message>
    <message>
      <source>win</source>
      <translation>kazanç</translation>
    </message>
    <message>
      <source>(give away, official rules)</source>
      <translation>(kaybeden kazanır, resmî kurallar)</translation>
    </message>
    <message>
      <source>(give away)</source>
      <translation>(kaybeden kazanır)</translation>
    </message>
    <message>
      <source>(official rules)</source>
      <translation>(resmî kurallar)</translation>
    </message>
    <message>
      <source>Export PDN</source>
      <translation>PDN dışa aktar</translation>
    </message>
    <message>
      <source>PDN game (*.pdn)</source>
      <translation>PDN oyunu (*.pdn)</translation>
    </message>
    <message>
      <source>Import PDN</source>
      <translation>PDN içe aktar</translation>
    </message>
    <message>
      <source>PDN games (*.pdn *.txt);;All files (*)</source>
      <translation>PDN oyunları (*.pdn *.txt);;Tüm dosyalar (*)</translation>
    </message>
    <message>
      <source>The file holds no game.</source>
      <translation>Dosyada hiç oyun yok.</translation>
    </message>
    <message>
      <source>The file holds more than %1 games; the first %1 are listed:</source>
      <translation>Dosyada %1 oyundan fazlası var; ilk %1 oyun listelendi:</translation>
    </message>
    <message>
      <source>The file holds several games:</source>
      <translation>Dosyada birkaç oyun var:</translation>
    </message>
    <message>
      <source>The clipboard holds no %1 position.</source>
      <translation>Panoda %1 konumu yok.</translation>
    </message>
    <message>
      <source>Set up position</source>
      <translation>Konum kur</translation>
    </message>
    <message>
      <source>Clear board</source>
      <translation>Tahtayı boşalt</translation>
    </message>
    <message>
      <source>Start position</source>
      <translation>Başlangıç konumu</translation>
    </message>
    <message>
      <source> To move: </source>
      <translation> Sıra: </translation>
    </message>
    <message>
      <source> Variant: </source>
      <translation> Çeşit: </translation>
    </message>
    <message>
      <source>Flip</source>
      <translation>Çevir</translation>
    </message>
    <message>
      <source>Turn the board round: White at the top or at the bottom</source>
      <translation>Tahtayı çevir: Beyaz üstte ya da altta</translation>
    </message>
    <message>
      <source>Done</source>
      <translation>Bitti</translation>
    </message>
    <message>
      <source>&amp;Game</source>
      <translation>&amp;Oyun</translation>
    </message>
    <message>
      <source>&amp;New...</source>
      <translation>&amp;Yeni...</translation>
    </message>
    <message>
      <source>Continue &amp;game</source>
      <translation>&amp;Oyuna devam et</translation>
    </message>
    <message>
      <source>&amp;Take back</source>
      <translation>Hamleyi &amp;geri al</translation>
    </message>
    <message>
      <source>Play &amp;on</source>
      <translation>&amp;Hamleyi yinele</translation>
    </message>
    <message>
      <source>&amp;Hint</source>
      <translation>&amp;İpucu</translation>
    </message>
    <message>
      <source>&amp;Analyse game</source>
      <translation>Oyunu &amp;çözümle</translation>
    </message>
    <message>
      <source>Pa&amp;use</source>
      <translation>&amp;Duraklat</translation>
    </message>
    <message>
      <source>&amp;Load...</source>
      <translation>&amp;Aç...</translation>
    </message>
    <message>
      <source>Sa&amp;ve...</source>
      <translation>Kayd&amp;et...</translation>
    </message>
    <message>
      <source>&amp;Export PDN...</source>
      <translation>&amp;PDN dışa aktar...</translation>
    </message>
    <message>
      <source>&amp;Import PDN...</source>
      <translation>PDN &amp;içe aktar...</translation>
    </message>
    <message>
      <source>&amp;Copy position (FEN)</source>
      <translation>Kon&amp;umu kopyala (FEN)</translation>
    </message>
    <message>
      <source>&amp;Paste position (FEN)</source>
      <translation>Konu&amp;mu yapıştır (FEN)</translation>
    </message>
    <message>
      <source>&amp;Set up position...</source>
      <translation>Ko&amp;num kur...</translation>
    </message>
    <message>
      <source>Net&amp;work...</source>
      <translation>A&amp;ğ...</translation>
    </message>
    <message>
      <source>Pla&amp;y an engine...</source>
      <translation>&amp;Bir motora karşı oyna...</translation>
    </message>
    <message>
      <source>P&amp;rint</source>
      <translation>Ya&amp;zdır</translation>
    </message>
    <message>
      <source>&amp;Game listing...</source>
      <translation>&amp;Hamle listesi...</translation>
    </message>
    <message>
      <source>&amp;Board...</source>
      <translation>&amp;Tahta...</translation>
    </message>
    <message>
      <source>&amp;Mini board...</source>
      <translation>&amp;Küçük tahta...</translation>
    </message>
    <message>
      <source>Export &amp;board picture...</source>
      <translation>&amp;Tahta resmini dışa aktar...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Çı&amp;kış</translation>
    </message>
    <message>
      <source>&amp;Customize</source>
      <translation>&amp;Özelleştir</translation>
    </message>
    <message>
      <source>&amp;Appearance...</source>
      <translation>&amp;Görünüm...</translation>
    </message>
    <message>
      <source>&amp;Sound...</source>
      <translation>&amp;Ses...</translation>
    </message>
    <message>
      <source>&amp;One-click moves</source>
      <translation>&amp;Tek tıkla hamle</translation>
    </message>
    <message>
      <source>Show &amp;evaluation</source>
      <translation>D&amp;eğerlendirmeyi göster</translation>
    </message>
    <message>
      <source>&amp;Flip board</source>
      <translation>Tahtayı &amp;çevir</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Dil</translation>
    </message>
    <message>
      <source>The system's &amp;language</source>
      <translation>Siste&amp;min dili</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Yardım</translation>
    </message>
    <message>
      <source>&amp;Rules</source>
      <translation>&amp;Kurallar</translation>
    </message>
    <message>
      <source>&amp;User manual</source>
      <translation>K&amp;ılavuz (İngilizce)</translation>
    </message>
    <message>
      <source>&amp;About ...</source>
      <translation>&amp;Hakkında ...</translation>
    </message>
    <message>
      <source>&amp;Velmora home page</source>
      <translation>&amp;Velmora web sitesi</translation>
    </message>
    <message>
      <source>Toolbar</source>
      <translation>Araç çubuğu</translation>
    </message>
    <message>
      <source>The listing is empty.</source>
      <translation>Hamle listesi boş.</translation>
    </message>
    <message>
      <source>American</source>
      <translation>Amerikan daması</translation>
    </message>
    <message>
      <source>Brazilian</source>
      <translation>Brezilya daması</translation>
    </message>
    <message>
      <source>Canadian</source>
      <translation>Kanada daması</translation>
    </message>
    <message>
      <source>Crowded</source>
      <translation>Sık dama</translation>
    </message>
    <message>
      <source>Frisian</source>
      <translation>Friz daması</translation>
    </message>
    <message>
      <source>Gothic</source>
      <translation>Gotik dama</translation>
    </message>
    <message>
      <source>International</source>
      <translation>Uluslararası dama</translation>
    </message>
    <message>
      <source>Italian</source>
      <translation>İtalyan daması</translation>
    </message>
    <message>
      <source>Pool checkers</source>
      <translation>Pool dama</translation>
    </message>
    <message>
      <source>Russian</source>
      <translation>Rus daması</translation>
    </message>
    <message>
      <source>Spanish</source>
      <translation>İspanyol daması</translation>
    </message>
    <message>
      <source>Sparse checkers</source>
      <translation>Seyrek dama</translation>
    </message>
    <message>
      <source>Thai</source>
      <translation>Tay daması</translation>
    </message>
    <message>
      <source>Turkish</source>
      <translation>Türk daması</translation>
    </message>
  </context>
</TS>
