-- Demo plans for the demo forum (tools/demo-site, 127.0.0.1:18931). Replace them with your
-- own plans in the plan editor, or delete them on the options window's database page.
INSERT INTO rule (class, code, name, url, cookie, ua, arttile, arturl, lasttime, buquan, regular,
                  before, after, tindex, uindex, oindex, isdo, lastid, type, postinfo, tcode)
VALUES
  (1, '1', '演示论坛（编号比较）', 'http://127.0.0.1:18931/forum/list.php', '',
   'User-Agent: Mozilla/5.0 (X11; Linux x86_64) zorvqi-demo', '', '', '',
   'http://127.0.0.1:18931[1]', '<li><a href="(.*?)">(.*?)</a><span>(\d*)</span></li>',
   '<ul id="list">', '</ul>', 2, 3, '编号 [3]', 1, '', 8, '', ''),
  (1, '0', '演示新闻（网址查重，UTF-8）', 'http://127.0.0.1:18931/news/list.html', '',
   'User-Agent: Mozilla/5.0 (X11; Linux x86_64) zorvqi-demo', '', '', '',
   'http://127.0.0.1:18931[1]&from=news', '<li><a href="(.*?)">(.*?)</a><span>\d*</span></li>',
   '<ul id="list">', '</ul>', 2, 0, '', 1, '', 5, '', ''),
  (2, '1', '会员专区（需要Cookie）', 'http://127.0.0.1:18931/member/list.php', 'sid=demo',
   'User-Agent: Mozilla/5.0 (X11; Linux x86_64) zorvqi-demo', '', '', '',
   'http://127.0.0.1:18931[1]', '<li><a href="(.*?)">(.*?)</a><span>(\d*)</span></li>',
   '<ul id="list">', '</ul>', 2, 3, '', 0, '', 5, '', '');
