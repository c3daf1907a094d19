#!/usr/bin/env python3
# Files of readings converted on the page in headless Chromium against amplora-convert on the
# same files: the same bytes and messages, no request while converting, Cancel, and progress
# on a long file. Usage: test_files.py SITE AMPLORA_CONVERT CASE
import base64, functools, os, subprocess, sys, threading, time
from selenium.webdriver.common.by import By
from test_page import Quiet, Server, js, scratch, start

SITE, CONVERT, CASE = sys.argv[1:4]
FOLDER = scratch()
requests = []

ROWS = ('\ufeffPunkt Größe,"Notiz\nzweite Zeile",hz,level,unit\r\nA1,"sagt ""ja""",50,1,g-pk\r\n'
        'A2,x,1.2346E1,1E-08,in-s-pk\r\n,,,,\r\nA3,x,50,2e4,g-pk\r\nA4,"a,b",50,"1,5",mm-s-rms\r\n'
        'A5,x,50,1,furlong\r\nA6,x,50\r\nÄ7,ü,3000,\u22126.0E\u22121,vdb\r\nA8,"1\r2",7,0.5,mils-pp\r\n')
FILES = {'Größe route.csv': ROWS,
         'cr.csv': 'id,cpm,level,unit\r1,3000,2.675,adb\r\r2,x,1,g-pk\r3,720000,1,in-s-rms\r',
         'semi.csv': 'hz;level;unit;Ort\n50;1,0E0;g-pk;"a;b"\n50;1.800;g-pk;c\n12,5;0,5;mm-pp;d\n',
         'tab.tsv': 'hz\tlevel\tunit\n50\t1\tg-pk\n1E+05\t1E-08\tmm-pp\n',
         'utf16.csv': '\ufeffhz,level,unit\n'.encode('utf-16-le'), 'empty.csv': '',
         'many.csv': 'hz,level,unit\n' + '50,1,g-pk\n50,x,g-pk\n' * 150}
CASES = [  # file, amplora-convert's options, whether the page offers the CSV, dropped
    ('Größe route.csv', '--skip-bad', True, True), ('Größe route.csv', '--ref iso', False, False),
    ('cr.csv', '--ref iso --skip-bad', True, False), ('semi.csv', '--delimiter ; --decimal-comma --skip-bad', True, False),
    ('semi.csv', '', False, False), ('tab.tsv', '--delimiter tab', True, True), ('utf16.csv', '--skip-bad', False, False),
    ('empty.csv', '--skip-bad', False, False), ('many.csv', '--skip-bad', True, False)]


class Recording(Quiet):
    def log_request(self, *args):
        requests.append(self.command + ' ' + self.path)


def write(name, text):
    open(os.path.join(FOLDER, name), 'wb').write(text if isinstance(text, bytes) else text.encode())


def command(name, options):
    r = subprocess.run([CONVERT, *options.split(), name], cwd=FOLDER, capture_output=True)
    return r.stdout, r.stderr.decode().splitlines()


def convert(d, name, options, dropped=False, during=None):
    """Converts a file on the page: its messages, the count of the rest, the CSV offered."""
    words = options.split()
    separator = {';': 'semicolon', 'tab': 'tab'}.get(words[words.index('--delimiter') + 1] if '--delimiter' in words else '', 'comma')
    if dropped:
        data = base64.b64encode(open(os.path.join(FOLDER, name), 'rb').read()).decode()
        js(d, "ConvertFile.close(), 1")
        assert js(d, """(() => { const t = new DataTransfer(); t.items.add(new File([Uint8Array.from(atob(arguments[0]),
            c => c.charCodeAt(0))], arguments[1])); const e = new DragEvent('drop', {dataTransfer: t, bubbles: true,
            cancelable: true}); document.body.dispatchEvent(e); return e.defaultPrevented && ConvertFile.open })()""", data, name)
    else:
        d.find_element(By.ID, 'convertFile').send_keys(os.path.join(FOLDER, name))
    js(d, "[convertISO.checked, convertSeparator.value, convertSkipBad.checked, convertDecimalComma.checked] = arguments[0]",
       ['iso' in words, separator, '--skip-bad' in words, '--decimal-comma' in words])
    asked = len(requests)
    d.find_element(By.ID, 'convertStart').click()
    if during:
        during(d)
    while js(d, "ConvertFile.dataset.state") != 'idle':
        time.sleep(0.02)
    # The file never left the browser: nothing was asked but the browser's own check for a
    # new version of the service worker, which it makes when it likes.
    assert all(r == 'GET /sw.js' for r in requests[asked:]), requests[asked:]
    listed, more, offered = js(d, "[[...convertMessages.children].map(li => li.textContent), convertMore.textContent, "
                                  "convertDownload.hidden ? null : convertDownload.download]")
    csv = offered and base64.b64decode(d.execute_async_script(
        "fetch(convertDownload.href).then(r => r.blob()).then(b => { const f = new FileReader();"
        "f.onload = () => arguments[0](f.result.split(',')[1]); f.readAsDataURL(b) })"))
    return listed, more, offered, csv


def same_as_command(d):
    for name, options, offered, dropped in CASES:
        out, err = command(name, options)
        listed, more, got_name, csv = convert(d, name, options, dropped)
        assert listed == err[:100], (name, options, listed, err)
        assert more == (f'and {len(err) - 100} more messages' if len(err) > 100 else ''), more
        assert (got_name == name.rsplit('.', 1)[0] + '-converted.' + name.rsplit('.', 1)[1]) == offered, got_name
        assert not offered or csv == out, (name, options, csv, out)


def cancel(d):
    write('long.csv', 'id,hz,level,unit\n' + ''.join(f'P{i},50,1.{i},g-pk\n' for i in range(1000000)))

    def stop(d):
        while not js(d, "convertRows.textContent"):
            time.sleep(0.01)
        d.find_element(By.ID, 'convertCancel').click()
    listed, _, offered, _ = convert(d, 'long.csv', '', during=stop)
    assert js(d, "convertOutcome.textContent").startswith('Cancelled') and not offered and not listed
    assert js(d, "parseInt(convertRows.textContent)") < 1000000
    assert convert(d, 'tab.tsv', '--delimiter tab')[2] == 'tab-converted.tsv'  # the worker goes on


def progress(d):
    write('route.csv', 'id,hz,level,unit\n' + ''.join(f'P{i},{1 + i % 99},1.{i},g-pk\n' for i in range(100000)))
    js(d, "(window.seen = [], new MutationObserver(() => seen.push(convertProgress.value))"
          ".observe(convertRows, {childList: true, subtree: true}), 1)")
    _, _, offered, csv = convert(d, 'route.csv', '')
    seen, size = js(d, "seen"), os.path.getsize(os.path.join(FOLDER, 'route.csv'))
    assert offered == 'route-converted.csv' and csv == command('route.csv', '')[0]
    assert seen == sorted(seen) and 0 < seen[0] < size and len(set(seen)) >= 5 and seen[-1] == size, seen


if __name__ == '__main__':
    for file_name, text in FILES.items():
        write(file_name, text)
    server = Server(('127.0.0.1', 0), functools.partial(Recording, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    driver = start(f'http://127.0.0.1:{server.server_port}/')
    try:
        js(driver, "amplora.commands.convertFile(), 1")
        for _ in range(200):  # the worker loads when the view opens; the service worker's files
            if js(driver, "amplora.fileView.ready && navigator.serviceWorker.controller !== null"):
                break
            time.sleep(0.05)
        {'same_as_command': same_as_command, 'cancel': cancel, 'progress': progress}[CASE](driver)
    finally:
        driver.quit()
    print(f'web_files_{CASE}: passed')
